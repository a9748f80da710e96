#include "display/TtlRender.h"

#include "common/ColourText.h"
#include "common/Errors.h"
#include "display/TmLn.h"
#include "display/TtlGraph.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

void PaintSurfaceArea(TTimeLine& timeline, QPainter& painter, const QRect& area) {
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), area.size()), ToQColor(clBtnShadow));
    painter.translate(-area.topLeft());
    const QRect surface(QPoint(0, 0), timeline.Graph().Size());
    const QRect part = area.intersected(surface);
    if (!part.isEmpty()) {
        painter.setClipRect(part);
        timeline.Paint(painter, part);
    }
    painter.restore();
}

QImage RenderSurfaceArea(TTimeLine& timeline, const QRect& area) {
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(ToQColor(clBtnShadow));
    QPainter painter(&image);
    PaintSurfaceArea(timeline, painter, area);
    painter.end();
    return image;
}

void SaveSurfaceArea(TTimeLine& timeline, const QRect& area, const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("pdf")) {
        QPdfWriter writer(path);
        writer.setResolution(96);
        // One page the size of the area at 96 dots per inch, no margins: one pixel is one dot.
        const QPageSize page(QSizeF(area.width() * 72.0 / 96.0, area.height() * 72.0 / 96.0),
                             QPageSize::Point, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer))
            throw EVzError(QStringLiteral("Could not write \"%1\".").arg(path));
        PaintSurfaceArea(timeline, painter, area);
        painter.end();
        return;
    }
    const char* format = nullptr;
    if (ext == QLatin1String("png"))
        format = "PNG";
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        format = "JPEG";
    else if (ext == QLatin1String("bmp"))
        format = "BMP";
    else
        throw EVzError(
            QStringLiteral("File extension not recognised: %1").arg(QFileInfo(path).suffix()));
    QImage image = RenderSurfaceArea(timeline, area);
    if (ext == QLatin1String("bmp"))
        image = image.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(path, format);
    if (!writer.write(image))
        throw EVzError(
            QStringLiteral("Could not write \"%1\": %2").arg(path, writer.errorString()));
}
