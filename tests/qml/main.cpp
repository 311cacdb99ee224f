// Entry point of the Qt Quick Test suite for the reusable QML components.
#include <QQmlEngine>
#include <QtQuickControls2/QQuickStyle>
#include <QtQuickTest/quicktest.h>

#include "backend/icons/tinted_icon_provider.h"

class Setup : public QObject {
    Q_OBJECT
public:
    Setup() { QQuickStyle::setStyle(QStringLiteral("Basic")); }

public slots:
    // The test files import the components from the source tree, with their
    // pictures beside them.
    void qmlEngineAvailable(QQmlEngine *engine) {
        installTintedIcons(*engine, QStringLiteral(QUICK_TEST_SOURCE_DIR "/../../Velmora/qml/assets/icons"));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(qml_components, Setup)

#include "main.moc"
