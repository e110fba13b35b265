#include "platform/fake/fake_views.h"

namespace vexar::fake {

void FakeLauncherView::Choose(int position) {
    list_index = position;
    list_text = entries.at(static_cast<std::size_t>(position));
}

void FakeLauncherView::TypeListText(std::string_view text) {
    list_text = text;
    list_index = -1;
}

void FakeLauncherView::AddListEntries(std::span<const std::string> added) {
    entries.insert(entries.end(), added.begin(), added.end());
    ++list_batches;
}

void FakeLauncherView::SetListText(std::string_view text) {
    // As in a drop-down combo box: a text equal to an entry selects it, any other text selects none.
    list_text = text;
    list_index = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text) {
            list_index = static_cast<int>(i);
            break;
        }
    }
}

void FakeNotesView::Load() {
    if (loaded) return;
    loaded = true;
    shown = false;
    text.clear();
    ++creations;
}

void FakeNotesView::Unload() {
    loaded = false;
    shown = false;
    text.clear();
}

}  // namespace vexar::fake
