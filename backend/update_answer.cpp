#include "backend/update_answer.h"

#include <zlib.h>

#include <algorithm>

const QByteArray UpdateAnswer::kAcceptedEncodings = QByteArrayLiteral("gzip, deflate");

namespace {

// Bytes expanded per inflate call: the bound is checked after each.
constexpr qsizetype kChunk = 16 * 1024;

}  // namespace

struct UpdateAnswer::Inflater {
  z_stream stream{};
  bool ready = false;
  bool ended = false;

  Inflater() {
    // 15 + 32: a gzip or a zlib header, told apart by the stream itself.
    ready = inflateInit2(&stream, 15 + 32) == Z_OK;
  }
  ~Inflater() {
    if (ready) inflateEnd(&stream);
  }
};

UpdateAnswer::UpdateAnswer(qint64 maxBytes) : maxBytes_(maxBytes) {}

UpdateAnswer::~UpdateAnswer() = default;

UpdateAnswer::State UpdateAnswer::start(const QByteArray& encoding, qint64 declaredLength) {
  if (declaredLength > maxBytes_) return state_ = State::TooLarge;
  const QByteArray name = encoding.trimmed().toLower();
  if (name.isEmpty() || name == "identity") return state_;
  if (name != "gzip" && name != "x-gzip" && name != "deflate") return state_ = State::Damaged;  // not asked for
  inflater_ = std::make_unique<Inflater>();
  if (!inflater_->ready) state_ = State::Damaged;
  return state_;
}

UpdateAnswer::State UpdateAnswer::append(const QByteArray& bytes) {
  if (state_ != State::Reading || bytes.isEmpty()) return state_;
  // Compressed or not, no more than the bound is taken as sent either: empty
  // compressed blocks expand to nothing.
  received_ += bytes.size();
  if (received_ > maxBytes_) return state_ = State::TooLarge;
  if (!inflater_) {
    body_.append(bytes);
    return state_;
  }
  return state_ = expand(bytes);
}

UpdateAnswer::State UpdateAnswer::expand(const QByteArray& bytes) {
  z_stream& zs = inflater_->stream;
  if (inflater_->ended) return State::Damaged;  // bytes after the end of the stream
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
  zs.avail_in = static_cast<uInt>(bytes.size());
  while (zs.avail_in > 0) {
    // One byte past the bound is enough to know the answer is too long.
    const qsizetype room = std::min<qint64>(kChunk, maxBytes_ + 1 - body_.size());
    const qsizetype start = body_.size();
    body_.resize(start + room);
    zs.next_out = reinterpret_cast<Bytef*>(body_.data() + start);
    zs.avail_out = static_cast<uInt>(room);
    const int result = inflate(&zs, Z_NO_FLUSH);
    body_.resize(start + room - static_cast<qsizetype>(zs.avail_out));
    if (body_.size() > maxBytes_) return State::TooLarge;
    if (result == Z_STREAM_END) {
      inflater_->ended = true;
      return zs.avail_in > 0 ? State::Damaged : State::Reading;
    }
    if (result != Z_OK && result != Z_BUF_ERROR) return State::Damaged;
  }
  return State::Reading;
}

UpdateAnswer::State UpdateAnswer::finish() {
  if (state_ == State::Reading && inflater_ && !inflater_->ended) state_ = State::Damaged;
  return state_;
}
