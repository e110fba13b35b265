#include "platform/text_file.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/utf.h"

namespace vexar::platform {

namespace {

// The lines whose bytes decide the encoding of a file without a byte-order mark: all the launcher reads.
constexpr std::size_t kDecidingLines = 9;
constexpr std::size_t kChunk = 4096;

// Reads from `source` into `out` until it holds at least `wanted` bytes or the file ends; returns how many
// it holds.
std::size_t ReadAtLeast(ByteSource& source, std::span<char> out, std::size_t wanted) {
    std::size_t got = 0;
    while (got < wanted) {
        const std::size_t n = source.ReadSome(out.subspan(got));
        if (n == 0) break;
        got += n;
    }
    return got;
}

}  // namespace

// The file's bytes after its byte-order mark. UTF-16 is turned into UTF-8 on the way: a unit that pairs
// with no other, and a last odd byte, read as U+FFFD.
class TextFile::Decoder final : public ByteSource {
public:
    Decoder(ByteSource& source, std::string first, Encoding encoding)
        : source_(source),
          utf16_(encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be),
          big_endian_(encoding == Encoding::kUtf16Be) {
        // The first block is read already: as it is, or as UTF-16 still to convert.
        (utf16_ ? raw_ : pending_) = std::move(first);
    }

    std::size_t ReadSome(std::span<char> out) override {
        while (pending_.empty() && !ended_) {
            if (!utf16_) {
                const std::size_t got = source_.ReadSome(out);
                ended_ = got == 0;
                return got;
            }
            ConvertMore();
        }
        const std::size_t n = std::min(out.size(), pending_.size());
        std::memcpy(out.data(), pending_.data(), n);
        pending_.erase(0, n);
        return n;
    }

private:
    // Reads a chunk of UTF-16 and appends it to pending_ as UTF-8. A high surrogate at the chunk's end
    // waits for the next chunk, which may hold its partner.
    void ConvertMore() {
        char chunk[kChunk];
        const std::size_t got = source_.ReadSome(chunk);
        raw_.append(chunk, got);
        ended_ = got == 0;
        std::u16string units = std::exchange(high_, std::u16string());
        std::size_t pos = 0;
        for (; pos + 1 < raw_.size(); pos += 2) {
            const auto first = static_cast<unsigned char>(raw_[pos]);
            const auto second = static_cast<unsigned char>(raw_[pos + 1]);
            units += static_cast<char16_t>(big_endian_ ? first << 8 | second : second << 8 | first);
        }
        raw_.erase(0, pos);
        if (!ended_ && !units.empty() && utf::IsHighSurrogate(units.back())) {
            high_ = units.back();
            units.pop_back();
        }
        pending_ += utf::FromUtf16(units, utf::LoneSurrogate::kReplace);
        if (ended_ && !raw_.empty()) utf::AppendCodePoint(pending_, utf::kReplacementCharacter);
    }

    ByteSource& source_;
    std::string pending_;  // bytes ready to be read
    std::string raw_;      // UTF-16 bytes not yet converted
    std::u16string high_;  // a high surrogate waiting for its low one
    bool utf16_;
    bool big_endian_;
    bool ended_ = false;
};

TextFile::TextFile(std::unique_ptr<ByteSource> source, const TextCodec& codec)
    : codec_(codec), source_(std::move(source)) {
    // The first bytes hold the mark, if any, and are read again as the file's first bytes.
    std::string head(kChunk, '\0');
    head.resize(ReadAtLeast(*source_, head, 3));
    std::size_t mark = 0;
    if (head.starts_with("\xEF\xBB\xBF")) {
        encoding_ = Encoding::kUtf8Mark, mark = 3;
    } else if (head.starts_with("\xFF\xFE")) {
        encoding_ = Encoding::kUtf16Le, mark = 2;
    } else if (head.starts_with("\xFE\xFF")) {
        encoding_ = Encoding::kUtf16Be, mark = 2;
    }
    decoder_ = std::make_unique<Decoder>(*source_, head.substr(mark), encoding_);
    lines_ = std::make_unique<LineSplitter>(*decoder_);
    if (mark != 0) return;

    try {
        while (ahead_.size() < kDecidingLines) ahead_.push_back(ReadRawLine());
    } catch (const RuntimeError& error) {
        ahead_error_ = error;
    }
    // A line cut at the length limit is judged without the character the cut fell into.
    const auto whole = [](const RawLine& line) {
        return std::string_view(line.bytes)
            .substr(0, line.cut ? utf::LengthWithoutCutEnd(line.bytes) : line.bytes.size());
    };
    const bool all_ascii = std::all_of(ahead_.begin(), ahead_.end(),
                                       [&](const RawLine& line) { return utf::IsAscii(line.bytes); });
    const bool all_utf8 = std::all_of(ahead_.begin(), ahead_.end(),
                                      [&](const RawLine& line) { return utf::IsValid(whole(line)); });
    if (!all_ascii && all_utf8) encoding_ = Encoding::kUtf8;
}

TextFile::~TextFile() = default;

TextFile::RawLine TextFile::ReadRawLine() {
    std::string bytes = lines_->ReadLine();
    return {std::move(bytes), lines_->cut()};
}

TextFile::RawLine TextFile::NextRawLine() {
    if (next_ahead_ < ahead_.size()) return std::move(ahead_[next_ahead_++]);
    if (ahead_error_) throw RuntimeError(*ahead_error_);
    return ReadRawLine();
}

std::string TextFile::ReadLine() {
    RawLine raw = NextRawLine();
    std::string& line = raw.bytes;
    ++given_;
    if (encoding_ == Encoding::kAnsi) return utf::IsAscii(line) ? line : codec_.ToUtf8(line);
    // Every other encoding is UTF-8 by now: a character cut in two at the length limit is left out.
    if (raw.cut) line.resize(utf::LengthWithoutCutEnd(line));
    if (utf::Repair(line) && encoding_ == Encoding::kUtf8Mark) repaired_lines_.push_back(given_);
    return line;
}

}  // namespace vexar::platform
