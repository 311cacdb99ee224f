// The icon set's pictograms (white line art in qml/assets/icons/NAME.svg)
// drawn in one colour, as "image://velmoraicon/NAME/AARRGGBB" images (the
// QML Icon component asks for them). The
// picture's coverage is kept and its colour replaced, on the CPU and once
// for each name, colour and size: the image cache and the scene graph share
// the result between every icon that shows it, and no shader is made at run
// time.
#pragma once

#include <QQuickImageProvider>
#include <QString>

class QQmlEngine;

class TintedIconProvider : public QQuickImageProvider {
 public:
  // `folder` holds the pictures, NAME.svg each.
  explicit TintedIconProvider(QString folder);

  // `id` is "NAME/AARRGGBB"; a null image for an unknown name or colour.
  QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

 private:
  QString m_folder;
};

// The module's own pictures, built into the program.
inline constexpr const char kIconFolder[] = ":/Velmora/qml/assets/icons";

// Gives `engine` the tinted icons of `folder`.
void installTintedIcons(QQmlEngine& engine, const QString& folder = QString::fromLatin1(kIconFolder));
