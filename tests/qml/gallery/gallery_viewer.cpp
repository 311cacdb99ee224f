// Shows the component gallery in a window and, with --out, saves one frame
// of it as a PNG and quits.
//
//   qml_gallery_viewer [--light] [--out FILE.png] [--delay MS] [--qml FILE]
#include <QtCore/QCommandLineParser>
#include <QtCore/QTimer>
#include <QtCore/QUrl>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtQuick/QQuickView>
#include <QtQuickControls2/QQuickStyle>

#include "backend/icons/tinted_icon_provider.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption lightOpt(QStringLiteral("light"), QStringLiteral("Use the light palette."));
    QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Save a PNG and quit."), QStringLiteral("file"));
    QCommandLineOption delayOpt(QStringLiteral("delay"), QStringLiteral("Milliseconds before the capture."),
                                QStringLiteral("ms"), QStringLiteral("1500"));
    QCommandLineOption qmlOpt(QStringLiteral("qml"), QStringLiteral("Gallery file."), QStringLiteral("file"),
                              QStringLiteral(GALLERY_QML));
    parser.addOptions({lightOpt, outOpt, delayOpt, qmlOpt});
    parser.process(app);

    QQuickView view;
    installTintedIcons(*view.engine(), QStringLiteral(ICON_FOLDER));
    view.setResizeMode(QQuickView::SizeViewToRootObject);
    view.setInitialProperties({{QStringLiteral("darkMode"), !parser.isSet(lightOpt)}});
    view.setSource(QUrl::fromLocalFile(parser.value(qmlOpt)));
    if (view.status() != QQuickView::Ready) {
        for (const auto &e : view.errors())
            std::fprintf(stderr, "%s\n", qPrintable(e.toString()));
        return 1;
    }
    view.show();

    if (parser.isSet(outOpt)) {
        const QString out = parser.value(outOpt);
        QTimer::singleShot(parser.value(delayOpt).toInt(), &view, [&view, &app, out]() {
            const QImage image = view.grabWindow();
            const bool ok = !image.isNull() && image.save(out);
            std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED to save", qPrintable(out));
            app.exit(ok ? 0 : 2);
        });
    }
    return app.exec();
}
