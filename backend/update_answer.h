// The body of an update answer, taken as it arrives and never past a bound.
//
// The check asks for gzip itself (so the network layer hands over the bytes
// as sent) and expands them here, chunk by chunk: a small compressed answer
// that would expand to gigabytes stops as soon as its expanded text passes
// the bound, like a plain answer that long.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <memory>

class UpdateAnswer {
 public:
  // The Accept-Encoding the check sends: the encodings append() expands.
  static const QByteArray kAcceptedEncodings;

  enum class State {
    Reading,   // within the bound so far
    TooLarge,  // the answer, expanded or as sent, passed the bound
    Damaged,   // an encoding that cannot be read, or bytes that do not expand
  };

  explicit UpdateAnswer(qint64 maxBytes);
  ~UpdateAnswer();
  UpdateAnswer(const UpdateAnswer&) = delete;
  UpdateAnswer& operator=(const UpdateAnswer&) = delete;

  // Before the first bytes: the answer's Content-Encoding header (empty or
  // "identity" for a plain answer, "gzip", "x-gzip" or "deflate") and the
  // length it declares (-1 when none): past the bound, nothing is read.
  State start(const QByteArray& encoding, qint64 declaredLength);
  // Takes the next bytes as sent. Once the state is no longer Reading,
  // nothing more is taken.
  State append(const QByteArray& bytes);
  // After the last bytes: a compressed answer that stopped short is damaged.
  State finish();

  State state() const { return state_; }
  // The expanded answer (at most the bound, and whole only when finished).
  const QByteArray& body() const { return body_; }

 private:
  struct Inflater;
  State expand(const QByteArray& bytes);

  qint64 maxBytes_;
  qint64 received_ = 0;  // bytes as sent
  QByteArray body_;
  std::unique_ptr<Inflater> inflater_;  // null for a plain answer
  State state_ = State::Reading;
};
