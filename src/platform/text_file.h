#pragma once
// A game file's text: which encoding its bytes are in, and its lines as UTF-8. Where the bytes come from
// is the file system's; what the lines mean is the configuration format's.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/line_splitter.h"
#include "platform/platform.h"

namespace vexar::platform {

enum class Encoding {
    kAnsi,      // no byte-order mark, and not UTF-8 or plain ASCII: the ANSI code page, as ever
    kUtf8,      // no byte-order mark, valid UTF-8 with at least one byte above 127
    kUtf8Mark,  // UTF-8 after its byte-order mark
    kUtf16Le,   // UTF-16 after its little-endian byte-order mark
    kUtf16Be,   // UTF-16 after its big-endian byte-order mark
};

// A text file's lines, decoded. A byte-order mark (UTF-8, UTF-16 little- or big-endian) decides the
// encoding. Without one, the bytes of the first nine lines - all the launcher ever reads - decide: UTF-8
// when they are valid UTF-8 and hold a byte above 127, otherwise the ANSI code page. Lines end as
// LineSplitter says, in every encoding; bad UTF-8 after a mark reads as U+FFFD, sequence by sequence. A
// line that LineSplitter cuts keeps its characters whole: a character cut in two is left out, and it
// does not make a UTF-8 file ANSI.
class TextFile final : public LineReader {
public:
    // The lines of the file `source` reads; reads its first bytes (without a mark, its first nine lines).
    TextFile(std::unique_ptr<ByteSource> source, const TextCodec& codec);
    ~TextFile() override;

    // Returns the next line as UTF-8, without its terminator; raises 62 when no line is left.
    std::string ReadLine() override;

    Encoding encoding() const { return encoding_; }
    // The lines given so far (numbered from 1) that held bytes which are not UTF-8 after a UTF-8 mark.
    const std::vector<int>& repaired_lines() const { return repaired_lines_; }

private:
    class Decoder;
    // A line as the file's bytes are (UTF-16 already made UTF-8), and whether LineSplitter cut it.
    struct RawLine {
        std::string bytes;
        bool cut = false;
    };
    RawLine ReadRawLine();
    RawLine NextRawLine();

    const TextCodec& codec_;
    std::unique_ptr<ByteSource> source_;
    std::unique_ptr<Decoder> decoder_;
    std::unique_ptr<LineSplitter> lines_;
    Encoding encoding_ = Encoding::kAnsi;
    // Without a mark: the first lines, read to decide; then the error that ended them, if any.
    std::vector<RawLine> ahead_;
    std::size_t next_ahead_ = 0;
    std::optional<RuntimeError> ahead_error_;
    int given_ = 0;
    std::vector<int> repaired_lines_;
};

}  // namespace vexar::platform
