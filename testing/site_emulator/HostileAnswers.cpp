#include "HostileAnswers.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gb::emulator {

namespace {

// The server compresses text it sends when the client allows it; answers of
// this type go out exactly as written.
constexpr char kAsWritten[] = "application/octet-stream";

constexpr std::size_t kHugePageBytes = 256 * 1024 * 1024;
constexpr std::size_t kFillerPiece = 64 * 1024;
constexpr std::chrono::milliseconds kDripInterval{200};
constexpr std::size_t kZerosPerPiece = 1024 * 1024;

// A gzip stream of zeros, given out a compressed megabyte at a time.
class GzipZeros {
public:
    GzipZeros() {
        // 15 window bits plus 16 ask for the gzip wrapper.
        ready_ = deflateInit2(&stream_, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9,
                              Z_DEFAULT_STRATEGY) == Z_OK;
    }
    GzipZeros(const GzipZeros&) = delete;
    GzipZeros& operator=(const GzipZeros&) = delete;
    ~GzipZeros() {
        if (ready_) {
            deflateEnd(&stream_);
        }
    }

    // The compressed bytes of the next megabyte of zeros; empty on failure.
    std::string Next() {
        static const std::vector<unsigned char> zeros(kZerosPerPiece, 0);
        std::string out;
        if (!ready_) {
            return out;
        }
        stream_.next_in = const_cast<unsigned char*>(zeros.data());
        stream_.avail_in = static_cast<uInt>(zeros.size());
        unsigned char buffer[16 * 1024];
        do {
            stream_.next_out = buffer;
            stream_.avail_out = sizeof buffer;
            if (deflate(&stream_, Z_SYNC_FLUSH) == Z_STREAM_ERROR) {
                return {};
            }
            out.append(reinterpret_cast<char*>(buffer), sizeof buffer - stream_.avail_out);
        } while (stream_.avail_out == 0);
        return out;
    }

private:
    z_stream stream_{};
    bool ready_ = false;
};

}  // namespace

void AnswerHugePage(httplib::Response& response, StopWait stopped) {
    const auto filler = std::make_shared<const std::string>(
        "<p>" + std::string(kFillerPiece - 9, 'x') + "</p>\r\n");
    response.status = 200;
    response.set_chunked_content_provider(
        kAsWritten, [filler, stopped](std::size_t offset, httplib::DataSink& sink) {
            if (offset >= kHugePageBytes || stopped(std::chrono::milliseconds(0))) {
                sink.done();
                return true;
            }
            return sink.write(filler->data(), filler->size());
        });
}

void AnswerDrip(httplib::Response& response, StopWait stopped) {
    response.status = 200;
    response.set_chunked_content_provider(kAsWritten,
                                          [stopped](std::size_t, httplib::DataSink& sink) {
                                              return !stopped(kDripInterval) && sink.write("<", 1);
                                          });
}

void AnswerCompressionBomb(httplib::Response& response, StopWait stopped) {
    const auto zeros = std::make_shared<GzipZeros>();
    response.status = 200;
    response.set_header("Content-Encoding", "gzip");
    response.set_chunked_content_provider(
        kAsWritten, [zeros, stopped](std::size_t, httplib::DataSink& sink) {
            const std::string piece = zeros->Next();
            return !piece.empty() && !stopped(std::chrono::milliseconds(0)) &&
                   sink.write(piece.data(), piece.size());
        });
}

void AnswerNestedDeep(httplib::Response& response, const std::string& page,
                      const Fault::Nesting& nesting, const char* contentType) {
    // Built by doubling, in a few copies, and given out by a provider of known
    // length, which the server sends as written: compressing a megabyte of
    // text at the server's slowest setting would keep the client waiting for
    // the first byte for seconds on a busy machine.
    const std::size_t nestingBytes = nesting.times * nesting.piece.size();
    auto nested = std::make_shared<std::string>(nesting.times > 0 ? nesting.piece : "");
    nested->reserve(nestingBytes + page.size());
    while (nested->size() < nestingBytes) {
        nested->append(*nested, 0, std::min(nested->size(), nestingBytes - nested->size()));
    }
    *nested += page;
    response.status = 200;
    response.set_content_provider(
        nested->size(), contentType,
        [nested](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            return sink.write(nested->data() + offset, length);
        });
}

void AnswerRedirectLoop(httplib::Response& response, const std::string& target) {
    response.set_redirect(target);
}

}  // namespace gb::emulator
