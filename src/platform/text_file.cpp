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
constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

// The file's bytes after its byte-order mark; UTF-16 turned into UTF-8 on the way (a unit that pairs with
// no other, and a last odd byte, read as U+FFFD).
class TextFile::Decoder final : public ByteSource {
public:
    Decoder(ByteSource& source, std::string first, Encoding encoding)
        : source_(source),
          pending_(std::move(first)),
          utf16_(encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be),
          big_endian_(encoding == Encoding::kUtf16Be) {
        if (utf16_) std::swap(pending_, raw_);
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
    // Reads a chunk of UTF-16 and appends it to pending_ as UTF-8.
    void ConvertMore() {
        char chunk[kChunk];
        const std::size_t got = source_.ReadSome(chunk);
        raw_.append(chunk, got);
        std::size_t pos = 0;
        for (; pos + 1 < raw_.size(); pos += 2) {
            const auto first = static_cast<unsigned char>(raw_[pos]);
            const auto second = static_cast<unsigned char>(raw_[pos + 1]);
            Take(static_cast<char16_t>(big_endian_ ? first << 8 | second : second << 8 | first));
        }
        raw_.erase(0, pos);
        if (got == 0) {
            ended_ = true;
            if (high_ != 0 || !raw_.empty()) utf::AppendCodePoint(pending_, kReplacement);
        }
    }

    void Take(char16_t unit) {
        if (high_ != 0) {
            const char16_t high = std::exchange(high_, char16_t{0});
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                utf::AppendCodePoint(pending_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                return;
            }
            utf::AppendCodePoint(pending_, kReplacement);
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            high_ = unit;
        } else {
            utf::AppendCodePoint(pending_, unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : unit);
        }
    }

    ByteSource& source_;
    std::string pending_;  // bytes ready to be read
    std::string raw_;      // UTF-16 bytes not yet converted
    bool utf16_;
    bool big_endian_;
    bool ended_ = false;
    char16_t high_ = 0;  // a high surrogate waiting for its low one
};

TextFile::TextFile(std::unique_ptr<ByteSource> source, const TextCodec& codec)
    : codec_(codec), source_(std::move(source)) {
    // The first block holds the mark, if any, and is read again as the file's first bytes.
    std::string head(kChunk, '\0');
    std::size_t got = 0;
    for (std::size_t n = 1; got < 3 && n != 0; got += n) n = source_->ReadSome(std::span(head).subspan(got));
    head.resize(got);
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
        while (ahead_.size() < kDecidingLines) ahead_.push_back(lines_->ReadLine());
    } catch (const RuntimeError& error) {
        ahead_error_ = std::make_unique<RuntimeError>(error);
    }
    const bool all_ascii = std::all_of(ahead_.begin(), ahead_.end(), utf::IsAscii);
    const bool all_utf8 = std::all_of(ahead_.begin(), ahead_.end(), utf::IsValid);
    if (!all_ascii && all_utf8) encoding_ = Encoding::kUtf8;
}

TextFile::~TextFile() = default;

std::string TextFile::NextRawLine() {
    if (next_ahead_ < ahead_.size()) return std::move(ahead_[next_ahead_++]);
    if (ahead_error_) throw RuntimeError(*ahead_error_);
    return lines_->ReadLine();
}

std::string TextFile::ReadLine() {
    std::string line = NextRawLine();
    ++given_;
    switch (encoding_) {
        case Encoding::kAnsi:
            return utf::IsAscii(line) ? line : codec_.ToUtf8(line);
        case Encoding::kUtf8Mark:
            if (utf::Repair(line)) repaired_lines_.push_back(given_);
            return line;
        case Encoding::kUtf8:  // the lines after the deciding ones, should any be read
            utf::Repair(line);
            return line;
        case Encoding::kUtf16Le:
        case Encoding::kUtf16Be:
            break;
    }
    return line;
}

}  // namespace vexar::platform
