// Range text as the solver reads it, for the windows that draw a range on
// the grid of hand classes and edit it there.
#include <QStringList>
#include <QVariantList>

#include "backend/app_controller.h"
#include "backend/app_controller_internal.h"
#include "backend/results/node_answers.h"
#include "session/range_reading.h"

using app_controller_detail::fromStd;
using app_controller_detail::toStd;

QVariantMap AppController::rangeClassWeights(const QString& text) const {
  QVariantMap out;
  try {
    const auto weights = velmora_app::range_class_weights(toStd(text));
    for (std::size_t c = 0; c < weights.size(); ++c) {
      if (weights[c] > 0.0) out.insert(results::classLabel(static_cast<int>(c)), weights[c]);
    }
  } catch (...) {
    out.clear();  // the solver refuses the text: nothing is drawn
  }
  return out;
}

QVariantMap AppController::rangeTextPieces(const QString& text) const {
  QVariantMap out;
  try {
    const auto reading = velmora_app::range_text_pieces(toStd(text));
    QVariantList pieces;
    pieces.reserve(static_cast<qsizetype>(reading.pieces.size()));
    for (const auto& piece : reading.pieces) {
      QStringList classes;
      for (const int c : piece.classes) classes.append(results::classLabel(c));
      pieces.append(QVariantMap{{QStringLiteral("text"), fromStd(piece.text)},
                                {QStringLiteral("classes"), classes},
                                {QStringLiteral("weight"), fromStd(piece.weight)}});
    }
    out.insert(QStringLiteral("share"), reading.share);
    out.insert(QStringLiteral("pieces"), pieces);
  } catch (...) {
    out.clear();  // the solver refuses the text
  }
  return out;
}
