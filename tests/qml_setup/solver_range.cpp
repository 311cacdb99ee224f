// For the Setup page's Qt Quick tests (`import SetupTestSupport`): the
// solver's own reading of a range text, combo by combo, to hold what the
// page draws against.
#include <QCoreApplication>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqml.h>

#include "core/cards.h"
#include "session/normalizers.h"

class SolverRange : public QObject {
  Q_OBJECT

 public:
  // {"AhKh": weight} for every combo above 0, as the solve reads the text;
  // undefined for a text the solver refuses.
  Q_INVOKABLE QVariant combos(const QString& text) const {
    try {
      const velmora::Range range = velmora_app::parse_range_or_percent(text.toStdString());
      const auto& pockets = velmora::pocket_table();
      QVariantMap out;
      for (std::size_t i = 0; i < range.size(); ++i) {
        if (!(range[i] > 0.0f)) continue;
        const QString cards = QString::fromStdString(velmora::card_to_string(velmora::pocket_hi(pockets[i])) +
                                                     velmora::card_to_string(velmora::pocket_lo(pockets[i])));
        out.insert(cards, static_cast<double>(range[i]));
      }
      return out;
    } catch (...) {
      return {};
    }
  }
};

static void registerSolverRange() {
  qmlRegisterSingletonType<SolverRange>("SetupTestSupport", 1, 0, "SolverRange",
                                        [](QQmlEngine*, QJSEngine*) -> QObject* { return new SolverRange; });
}
Q_COREAPP_STARTUP_FUNCTION(registerSolverRange)

#include "solver_range.moc"
