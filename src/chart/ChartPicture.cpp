// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartPicture.h"

#include "chart/ChartView.h"
#include "register/DateText.h"
#include "register/FileStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace tallyra {

namespace {

struct ChartPictureText
{
    Q_DECLARE_TR_FUNCTIONS(ChartPicture)
};

// Paints the chart over the whole of a device of the chart's size.
bool paintOn(QPaintDevice &device, const ChartView &chart)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    chart.paintChart(painter, QRectF(QPointF(0, 0), chart.size()), false);
    return painter.end();
}

// At the screen's pixel ratio, so that a picture saved at 200% is as sharp as the screen.
bool pngBytes(const ChartView &chart, QBuffer &buffer)
{
    const qreal ratio = chart.devicePixelRatioF();
    QImage image(chart.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return paintOn(image, chart) && image.save(&buffer, "PNG");
}

bool pdfBytes(const ChartView &chart, QBuffer &buffer)
{
    const QString title = ChartPictureText::tr("Balance Chart");
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tallyra"));
    // One point a pixel: the page is the chart's size.
    pdf.setResolution(72);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(chart.size()), QPageSize::Point, title, QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    return paintOn(pdf, chart);
}

} // namespace

QString defaultPictureName(const QDate &today)
{
    return QStringLiteral("tallyra-chart-%1.png").arg(isoDate(today));
}

std::optional<QString> saveChartPicture(const ChartView &chart, PictureFormat format,
                                        const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool drawn =
        format == PictureFormat::Pdf ? pdfBytes(chart, buffer) : pngBytes(chart, buffer);
    if (!drawn)
        return ChartPictureText::tr("the picture could not be drawn");
    const FileResult written = writeFileAtomically(path, bytes);
    if (!written.ok)
        return written.error;
    return std::nullopt;
}

} // namespace tallyra
