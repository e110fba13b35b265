#include "editor/game_document.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>

#include "launcher/game_config.h"
#include "platform/utf.h"

namespace vexar::editor {

namespace {

using platform::Encoding;

// The labels of lines 2 to 9 as the manual writes them.
constexpr std::array<std::string_view, kFieldCount> kManualLabels = {
    "Game Title:    ", "Notes:         ", "Start Location:", "Launch File:   ",
    "Default Params:", "HD Params:     ", "CD Prelaunch:  ", "CD Params:     "};

// How each value is named in a sentence.
constexpr std::array<std::string_view, kFieldCount> kFieldNames = {"the title",
                                                                   "the notes",
                                                                   "the start location",
                                                                   "the launch file",
                                                                   "the default parameters",
                                                                   "the hard-drive parameters",
                                                                   "the CD preparation program",
                                                                   "the CD parameters"};

bool IsUtf16(Encoding encoding) {
    return encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be;
}

// The byte-order mark that begins a file in `encoding`.
std::string_view Mark(Encoding encoding) {
    switch (encoding) {
        case Encoding::kUtf8Mark:
            return "\xEF\xBB\xBF";
        case Encoding::kUtf16Le:
            return "\xFF\xFE";
        case Encoding::kUtf16Be:
            return "\xFE\xFF";
        case Encoding::kAnsi:
        case Encoding::kUtf8:
            break;
    }
    return {};
}

std::string_view EndText(LineEnd end) {
    return end == LineEnd::kCrLf ? "\r\n" : end == LineEnd::kLf ? "\n" : "\r";
}

// `text` (UTF-8) in `encoding`; each character the ANSI code page lacks is added to `lacking`, once.
std::string EncodeText(std::string_view text, Encoding encoding, const platform::TextCodec& codec,
                       std::string& lacking) {
    if (IsUtf16(encoding)) {
        std::string bytes;
        for (const char16_t unit : utf::ToUtf16(text, utf::LoneSurrogate::kReplace)) {
            const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
            bytes += encoding == Encoding::kUtf16Le ? std::string{low, high} : std::string{high, low};
        }
        return bytes;
    }
    if (encoding != Encoding::kAnsi || utf::IsAscii(text)) return std::string(text);
    platform::AnsiText ansi = codec.FromUtf8(text);
    std::string_view missing = ansi.lacking;
    while (!missing.empty()) {
        const std::string_view character = missing.substr(0, utf::OffsetOfCharacter(missing, 1));
        if (lacking.find(character) == std::string::npos) lacking += character;
        missing.remove_prefix(character.size());
    }
    return std::move(ansi.bytes);
}

// The file's lines with their terminators (CR LF, LF or CR, as the launcher's reader ends lines), split
// in the code units of `encoding` after its mark. A last odd byte of UTF-16 stays with the last line.
std::vector<std::pair<std::string, std::optional<LineEnd>>> SplitLines(std::string_view bytes,
                                                                       Encoding encoding) {
    const std::size_t unit = IsUtf16(encoding) ? 2 : 1;
    const auto at = [&](std::size_t pos) -> unsigned {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        if (unit == 1) return first;
        const auto second = static_cast<unsigned char>(bytes[pos + 1]);
        return encoding == Encoding::kUtf16Be ? first << 8 | second : second << 8 | first;
    };
    std::vector<std::pair<std::string, std::optional<LineEnd>>> lines;
    std::size_t start = Mark(encoding).size();
    for (std::size_t pos = start; pos + unit <= bytes.size();) {
        const unsigned c = at(pos);
        if (c != '\r' && c != '\n') {
            pos += unit;
            continue;
        }
        const bool pair = c == '\r' && pos + 2 * unit <= bytes.size() && at(pos + unit) == '\n';
        lines.emplace_back(bytes.substr(start, pos - start), pair        ? LineEnd::kCrLf
                                                             : c == '\n' ? LineEnd::kLf
                                                                         : LineEnd::kCr);
        start = pos += pair ? 2 * unit : unit;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start), std::nullopt);
    return lines;
}

// The first 15 characters of `line`, with blanks added up to 15 when it is shorter.
std::string Label(std::string_view line) {
    std::string label(line.substr(0, utf::OffsetOfCharacter(line, kLabelLength)));
    while (utf::OffsetOfCharacter(label, kLabelLength) == std::string::npos) label += ' ';
    return label;
}

}  // namespace

std::size_t MemorySource::ReadSome(std::span<char> out) {
    const std::size_t n = std::min(out.size(), rest_.size());
    std::memcpy(out.data(), rest_.data(), n);
    rest_.remove_prefix(n);
    return n;
}

GameDocument GameDocument::New() {
    GameDocument document;
    document.texts_.emplace_back(kConfigMarker);
    document.texts_.insert(document.texts_.end(), kManualLabels.begin(), kManualLabels.end());
    for (const std::string& text : document.texts_) {
        document.lines_.push_back({text, LineEnd::kCrLf});
        document.original_ += text + "\r\n";
    }
    return document;
}

GameDocument GameDocument::FromBytes(std::string_view bytes, const platform::TextCodec& codec) {
    GameDocument document;
    platform::TextFile reader(std::make_unique<MemorySource>(bytes), codec);
    try {
        for (;;) document.texts_.push_back(reader.ReadLine());
    } catch (const RuntimeError&) {
        // The reader ends where the file does (62), or where it cuts a line too long to read on.
    }
    document.encoding_ = reader.encoding();
    for (std::size_t i = 0; i < kFieldCount && i + 1 < document.texts_.size(); ++i) {
        try {
            document.saved_[i] = ExtractValue(document.texts_[i + 1]);
        } catch (const RuntimeError&) {
            // A line shorter than its label holds no value.
        }
    }
    // A line the reader cut at its length limit is not its whole text: it and any after it are written
    // as their bytes are.
    const auto cut = std::find_if(document.texts_.begin(), document.texts_.end(), [](const std::string& t) {
        return t.size() + 3 >= platform::LineSplitter::kMaxLineLength;
    });
    document.texts_.erase(cut, document.texts_.end());
    for (auto& [line, end] : SplitLines(bytes, document.encoding_))
        document.lines_.push_back({std::move(line), end});
    const auto ended = std::find_if(document.lines_.begin(), document.lines_.end(),
                                    [](const Line& line) { return line.end.has_value(); });
    if (ended != document.lines_.end()) document.line_end_ = *ended->end;
    document.values_ = document.saved_;
    document.original_ = bytes;
    return document;
}

const std::string& GameDocument::Value(Field field) const {
    return values_[static_cast<std::size_t>(field)];
}

void GameDocument::SetValue(Field field, std::string value) {
    values_[static_cast<std::size_t>(field)] = std::move(value);
}

bool GameDocument::Changed() const {
    return encoding_changed_ || values_ != saved_;
}

void GameDocument::UseUtf8() {
    encoding_changed_ = encoding_changed_ || encoding_ != Encoding::kUtf8;
    encoding_ = Encoding::kUtf8;
}

Encoded GameDocument::Encode(const platform::TextCodec& codec) const {
    if (!Changed()) return {original_, {}};
    Encoded encoded{std::string(Mark(encoding_)), {}};
    const std::size_t count = std::max<std::size_t>(lines_.size(), kFieldCount + 1);
    const bool final_end = lines_.empty() || lines_.back().end.has_value();
    for (std::size_t i = 0; i < count; ++i) {
        const bool held = i < lines_.size(), known = i < texts_.size();
        const std::string_view text = known ? std::string_view(texts_[i]) : std::string_view();
        std::optional<std::string> rewritten;  // the line's new text; none while its bytes stay
        if (i == 0 && !held) {
            rewritten = kConfigMarker;
        } else if (i >= 1 && i <= kFieldCount) {
            const std::size_t field = i - 1;
            const bool short_line = known && utf::OffsetOfCharacter(text, kLabelLength) == std::string::npos;
            if (!held || (!known && values_[field] != saved_[field])) {
                rewritten = std::string(kManualLabels[field]) + values_[field];
            } else if (values_[field] != saved_[field] || short_line) {
                rewritten = Label(text) + values_[field];
            }
        }
        // A last UTF-16 line that ends in half a character is written from its text when lines follow it.
        const bool odd = held && IsUtf16(encoding_) && lines_[i].bytes.size() % 2 != 0 && i + 1 < count;
        if (!rewritten && (encoding_changed_ || odd) && known) rewritten = text;
        encoded.bytes +=
            rewritten ? EncodeText(*rewritten, encoding_, codec, encoded.lacking) : lines_[i].bytes;
        const std::optional<LineEnd> end = held ? lines_[i].end : std::nullopt;
        if (end || i + 1 < count || final_end) {
            encoded.bytes += EncodeText(EndText(end.value_or(line_end_)), encoding_, codec, encoded.lacking);
        }
    }
    if (!encoded.lacking.empty()) encoded.bytes.clear();
    return encoded;
}

void GameDocument::MarkSaved(std::string_view bytes, const platform::TextCodec& codec) {
    const Encoding chosen = encoding_;
    *this = FromBytes(bytes, codec);
    if (encoding_ == Encoding::kAnsi && utf::IsAscii(bytes)) encoding_ = chosen;
}

std::optional<std::string> RefusalOf(Field field, std::string_view value) {
    const std::string name(kFieldNames[static_cast<std::size_t>(field)]);
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        return "There is a line break in " + name + ", which would move every later line of the file";
    }
    if (value.find('\0') != std::string_view::npos) {
        return "There is a NUL character in " + name + ", where Windows would end the text";
    }
    if (field != Field::kTitle) return std::nullopt;
    if (value.empty()) return std::string("The title is empty: the game list would not show the game");
    if (StartsWithInvalidPrefix(value)) {
        return std::string(
            "The title begins with \"Invalid Config\", as a broken file's entry does: choosing it would "
            "show no notes and launch nothing");
    }
    return std::nullopt;
}

}  // namespace vexar::editor
