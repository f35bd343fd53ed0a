// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartPicture.h"

#include "chart/ChartView.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <array>

namespace tallyra {

namespace {

const QString Title = QStringLiteral("Balance Chart");

struct FormatName
{
    PictureFormat format;
    const char *suffix;
    const char *filter;
};

constexpr std::array<FormatName, 2> Formats = {{
    {PictureFormat::Png, "png", "PNG pictures (*.png)"},
    {PictureFormat::Pdf, "pdf", "PDF documents (*.pdf)"},
}};

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
    QPdfWriter pdf(&buffer);
    pdf.setTitle(Title);
    pdf.setCreator(QStringLiteral("Tallyra"));
    // One point a pixel: the page is the chart's size.
    pdf.setResolution(72);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(chart.size()), QPageSize::Point, Title, QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    return paintOn(pdf, chart);
}

} // namespace

QString pictureFilters()
{
    QStringList filters;
    for (const FormatName &format : Formats)
        filters << QLatin1String(format.filter);
    return filters.join(QStringLiteral(";;"));
}

QString defaultPictureName(const QDate &today)
{
    return QStringLiteral("tallyra-chart-%1.png").arg(today.toString(Qt::ISODate));
}

PictureTarget pictureTarget(const QString &chosenPath, const QString &selectedFilter)
{
    const QString suffix = QFileInfo(chosenPath).suffix().toLower();
    for (const FormatName &format : Formats)
        if (suffix == QLatin1String(format.suffix))
            return {format.format, chosenPath};
    FormatName chosen = Formats[0];
    for (const FormatName &format : Formats)
        if (selectedFilter == QLatin1String(format.filter))
            chosen = format;
    if (!suffix.isEmpty())
        return {chosen.format, chosenPath};
    return {chosen.format, chosenPath + QLatin1Char('.') + QLatin1String(chosen.suffix)};
}

std::optional<QString> saveChartPicture(const ChartView &chart, const PictureTarget &target)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (target.format) {
    case PictureFormat::Png:
        if (!pngBytes(chart, buffer))
            return QStringLiteral("the picture could not be drawn");
        break;
    case PictureFormat::Pdf:
        if (!pdfBytes(chart, buffer))
            return QStringLiteral("the picture could not be drawn");
        break;
    }
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace tallyra
