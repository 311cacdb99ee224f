#include "backend/icons/tinted_icon_provider.h"

#include <QColor>
#include <QQmlEngine>
#include <QImageReader>
#include <QPainter>

#include <utility>

namespace {

constexpr int kDefaultSide = 16;

// "NAME/AARRGGBB" into the picture's path in `folder` and the colour; false
// for any other form (a name is plain letters, digits, dashes and
// underscores, so it names a file of the folder and nothing beyond it).
bool parseId(const QString& id, const QString& folder, QString& path, QColor& color) {
  const qsizetype slash = id.lastIndexOf(QLatin1Char('/'));
  if (slash <= 0) return false;
  const QStringView name = QStringView(id).left(slash);
  for (const QChar c : name) {
    if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))) return false;
  }
  const QStringView hex = QStringView(id).mid(slash + 1);
  bool ok = false;
  const uint argb = hex.size() == 8 ? hex.toUInt(&ok, 16) : 0u;
  if (!ok) return false;
  path = folder + QLatin1Char('/') + name.toString() + QStringLiteral(".svg");
  color = QColor::fromRgba(argb);
  return true;
}

}  // namespace

TintedIconProvider::TintedIconProvider(QString folder)
    : QQuickImageProvider(QQuickImageProvider::Image), m_folder(std::move(folder)) {}

void installTintedIcons(QQmlEngine& engine, const QString& folder) {
  engine.addImageProvider(QStringLiteral("velmoraicon"), new TintedIconProvider(folder));
}

QImage TintedIconProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize) {
  QString path;
  QColor color;
  if (!parseId(id, m_folder, path, color)) return QImage();
  QImageReader reader(path);
  if (!reader.canRead()) return QImage();
  // The picture is drawn at the size asked for (its own proportions kept),
  // not scaled afterwards.
  QSize side = reader.size();
  if (side.isEmpty()) side = QSize(kDefaultSide, kDefaultSide);
  if (requestedSize.width() > 0 || requestedSize.height() > 0) {
    const QSize bound(requestedSize.width() > 0 ? requestedSize.width() : requestedSize.height(),
                      requestedSize.height() > 0 ? requestedSize.height() : requestedSize.width());
    side = side.scaled(bound, Qt::KeepAspectRatio);
  }
  reader.setScaledSize(side);
  QImage image = reader.read();
  if (image.isNull()) return QImage();
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
  painter.fillRect(image.rect(), color);
  painter.end();
  if (size) *size = image.size();
  return image;
}
