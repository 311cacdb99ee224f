// Entry point of the Qt Quick Test suite for the reusable QML components.
#include <QtQuickControls2/QQuickStyle>
#include <QtQuickTest/quicktest.h>

class Setup : public QObject {
    Q_OBJECT
public:
    Setup() { QQuickStyle::setStyle(QStringLiteral("Basic")); }
};

QUICK_TEST_MAIN_WITH_SETUP(qml_components, Setup)

#include "main.moc"
