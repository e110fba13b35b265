// Removal of a directory tree (DeleteFolderTree) and its reporting wrapper (RemoveDataFolder).
#include <string>
#include <vector>

#include "file_utils/mdlGlobalFunctions.h"
#include "platform/messages.h"

namespace vexar {

namespace {

// One removal of a tree: walks the directories and holds the pending error that all of its directory
// calls share. Reporting to the user is left to RemoveDataFolder.
class TreeRemoval {
public:
    explicit TreeRemoval(platform::FileSystem& files) : files_(files) {}

    // Returns -1, 0 or the error number of the step that failed, as DeleteFolderTree does.
    std::int32_t RemoveFolder(std::string path);

private:
    // The attribute word: the platform's attribute bits as a signed 16-bit value.
    using AttributeWord = std::int16_t;
    static constexpr auto kDirectoryBit = static_cast<AttributeWord>(platform::kAttrDirectory);
    static constexpr auto kReparseBit = static_cast<AttributeWord>(platform::kAttrReparsePoint);

    // Runs one step; a failure becomes the pending error and the work goes on. Returns true on success.
    template <typename Step>
    bool Attempt(Step&& step) noexcept {
        try {
            step();
            return true;
        } catch (...) {
            const int number = TrappedError().number();
            // The status of a failed step is a positive number; the caller tells -1 and 0 apart.
            pending_error_ = number > 0 ? number : kErrInternal;
            return false;
        }
    }

    // Removes a directory link itself (never entering its target); returns its status.
    std::int32_t RemoveLink(const std::string& path);

    platform::FileSystem& files_;
    int pending_error_ = 0;
};

// Blanks (the space character only) removed from both ends.
std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string();
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::int32_t TreeRemoval::RemoveLink(const std::string& path) {
    Attempt([&] { files_.RemoveEmptyDirectory(path); });
    return pending_error_;
}

std::int32_t TreeRemoval::RemoveFolder(std::string path) {
    pending_error_ = 0;

    path = TrimBlanks(path);
    if (path.empty()) return kInvalidFolder;
    if (path.back() == '\\') path.pop_back();
    if (path.find('\\') == std::string::npos) return kInvalidFolder;

    AttributeWord word = 0;
    if (!Attempt([&] { word = static_cast<AttributeWord>(files_.ReadAttributes(path)); })) {
        return kInvalidFolder;
    }
    if ((word & kDirectoryBit) == 0) return kInvalidFolder;
    // A junction, directory link or mount point leads outside the tree: only the link goes.
    if ((word & kReparseBit) != 0) return RemoveLink(path);

    // Files go while the listing runs; subdirectories wait until it has ended, because the calls for
    // them start listings of their own and only one listing is in progress at a time.
    std::vector<std::string> pending_subdirectories;
    std::string name;
    if (!Attempt([&] { name = files_.ListFirst(path + "\\*.*", platform::ListMask::kEverything); })) {
        name.clear();
    }
    while (!name.empty()) {
        if (name != "." && name != "..") {
            const std::string entry = path + "\\" + name;
            Attempt([&] { word = static_cast<AttributeWord>(files_.ReadAttributes(entry)); });
            if ((word & kDirectoryBit) != 0) {
                pending_subdirectories.push_back(name);
            } else if (word != 0 && pending_error_ != 0) {
                // An error already pending (the entry's attribute read failed) ends the removal at the
                // reset's check: the file has its attributes reset and stays.
                Attempt([&] { files_.ResetAttributes(entry); });
                return pending_error_;
            } else {
                // The reset (for a word that is not 0) and the deletion as one call: a failed reset raises
                // its error before anything is deleted, so each check still sees its own step's error.
                const auto reset =
                    word != 0 ? platform::AttributeReset::kFirst : platform::AttributeReset::kNone;
                Attempt([&] { files_.DeleteFileAt(entry, reset); });
                if (pending_error_ != 0) return pending_error_;
            }
        }
        // A listing that breaks off cannot go on from where it was: the removal ends here.
        if (!Attempt([&] { name = files_.ListNext(); })) return pending_error_;
    }

    for (const std::string& subdirectory : pending_subdirectories) {
        const std::int32_t status = RemoveFolder(path + "\\" + subdirectory);
        if (status != 0) return status;
    }

    Attempt([&] { files_.RemoveEmptyDirectory(path); });
    return pending_error_;
}

}  // namespace

std::int32_t DeleteFolderTree(platform::FileSystem& files, std::string_view strFolder) {
    try {
        TreeRemoval removal(files);
        return removal.RemoveFolder(std::string(strFolder));
    } catch (...) {
        return TrappedError().number();
    }
}

void RemoveDataFolder(platform::FileSystem& files, platform::MessageBoxes& boxes,
                      std::string_view strFolder) {
    try {
        const std::int32_t status = DeleteFolderTree(files, strFolder);
        if (status == kInvalidFolder) {
            MsgBox(boxes, "Invalid Directory" + std::string(strFolder));
        } else if (status != 0) {
            MsgBox(boxes, "An Error was occured");
        }
    } catch (...) {
        MsgBox(boxes, ErrorText(TrappedError()));
    }
}

}  // namespace vexar
