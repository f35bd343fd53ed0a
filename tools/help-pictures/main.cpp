// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the help pictures: Tallyra's own windows, grabbed offscreen and scaled to the size each
// help topic shows them at, with a map of where their controls landed; and the about emblem.
// Run by tools/make-help-pictures.sh, which turns the PNG files written here into GIF and JPEG.

#include "app/frmMoney.h"
#include "backup/frmFileOpen.h"
#include "edit/frmEdit.h"
#include "help/PictureMap.h"
#include "platform/Platform.h"
#include "register/Checkbook.h"
#include "register/DataFile.h"
#include "register/RegisterDocument.h"
#include "report/frmPrint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

using namespace tallyra;

namespace {

// The pictures show the date the program was made.
class MadeOnClock final : public Clock
{
public:
    QDate today() const override { return {2000, 5, 18}; }
};

// No window may ask anything while it is being pictured.
class NoQuestions final : public Prompter
{
public:
    QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon, const QString &title,
                                        const QString &, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override
    {
        qFatal("a window showed the box \"%s\"", qPrintable(title));
    }
    int choose(QWidget *, QMessageBox::Icon, const QString &title, const QString &,
               const QStringList &, int, int) override
    {
        qFatal("a window showed the box \"%s\"", qPrintable(title));
    }
    std::optional<QString> askText(QWidget *, const QString &title, const QString &) override
    {
        qFatal("a window asked \"%s\"", qPrintable(title));
    }
    std::optional<QString> askSaveFile(QWidget *, const QString &title, const QString &,
                                       const QString &, QString *) override
    {
        qFatal("a window asked \"%s\"", qPrintable(title));
    }
    std::optional<QString> askFolder(QWidget *, const QString &title, const QString &) override
    {
        qFatal("a window asked \"%s\"", qPrintable(title));
    }
    std::optional<QString> askOpenFile(QWidget *, const QString &title, const QString &,
                                       const QString &) override
    {
        qFatal("a window asked \"%s\"", qPrintable(title));
    }
    void beep() override {}
};

class NeverEnds final : public ProgramEnd
{
public:
    void endProgram() override { qFatal("a window ended the program"); }
    bool endRequested() const override { return false; }
};

Entry sample(int month, int day, const char *check, const char *payee, qint32 out, qint32 in)
{
    return {2000, qint16(month), qint16(day), QLatin1String(check), QLatin1String(payee), out, in};
}

// A month of a household register, so the pictured list has lines to show.
Checkbook sampleRegister()
{
    const Entry entries[] = {
        sample(5, 1, "DEP", "PAYCHECK", 0, 125000),
        sample(5, 2, "1001", "CITY APARTMENTS", 65000, 0),
        sample(5, 5, "ATM", "CASH", 6000, 0),
        sample(5, 8, "1002", "POWER AND LIGHT", 4817, 0),
        sample(5, 12, "1003", "CORNER GROCER", 8240, 0),
        sample(5, 15, "DEP", "PAYCHECK", 0, 125000),
        sample(5, 16, "1004", "PHONE COMPANY", 3995, 0),
    };
    Checkbook book;
    for (const Entry &entry : entries)
        book.slot[++book.entryCount] = entry;
    return book;
}

void writeSampleRegister()
{
    QFile file{QLatin1String(DataFileName)};
    if (!file.open(QIODevice::WriteOnly) || file.write(formatDataFile(sampleRegister())) < 0)
        qFatal("cannot write the sample register");
}

// No window may print while it is being pictured.
class NoPrinter final : public ReportPrinter
{
public:
    std::unique_ptr<ReportJob> startJob() override { qFatal("a window started printing"); }
};

// Nothing the user chose before shows in a picture.
class NoSettings final : public Settings
{
public:
    std::optional<QString> backupFolder() const override { return std::nullopt; }
    std::optional<QString> setBackupFolder(const QString &) override
    {
        qFatal("a window changed a setting");
    }
    QByteArray mainWindowGeometry() const override { return {}; }
    void setMainWindowGeometry(const QByteArray &) override {}
    std::optional<QString> csvMapping(const QString &) const override { return std::nullopt; }
    void setCsvMapping(const QString &, const QString &) override
    {
        qFatal("a window changed a setting");
    }
};

// The edit window as it opens on the grocer's check.
QWidget *editWindow(const RegisterDocument &sample, Platform &platform)
{
    return new FrmEdit(sample, 5, platform);
}

// The backup chooser listing three monthly backups, the newest chosen.
QWidget *chooserWindow(Platform &platform)
{
    for (const char *name : {"april.bak", "march.bak", "may.bak"}) {
        QFile file(platform.drive.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the sample backup %s", name);
    }
    auto *window = new FrmFileOpen(platform);
    if (!window->Form_Load())
        qFatal("the backup chooser found no disk");
    window->findChild<QListWidget *>(QStringLiteral("fliBackup"))->setCurrentRow(2);
    return window;
}

constexpr int Border = 2;

QFont captionFont(const QWidget *window)
{
    QFont font = window->font();
    font.setBold(true);
    return font;
}

int captionHeight(const QWidget *window)
{
    return QFontMetrics(captionFont(window)).height() + 8;
}

// The window as the desktop shows it: a caption bar and a thin frame around its contents.
QImage framed(QWidget *window)
{
    const QPixmap contents = window->grab();
    const QFont font = captionFont(window);
    const int bar = captionHeight(window);
    QImage image(contents.width() + 2 * Border, contents.height() + bar + 2 * Border,
                 QImage::Format_RGB32);
    image.fill(QColor(160, 160, 160));
    QPainter painter(&image);
    QLinearGradient caption(0, 0, image.width(), 0);
    caption.setColorAt(0, QColor(10, 36, 106));
    caption.setColorAt(1, QColor(120, 160, 215));
    const QRect barRect(Border, Border, contents.width(), bar);
    painter.fillRect(barRect, caption);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(barRect.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     window->windowTitle());
    const QRect box(barRect.right() - bar + 5, barRect.top() + 4, bar - 8, bar - 8);
    painter.fillRect(box, QColor(212, 208, 200));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(box.topLeft() + QPoint(3, 3), box.bottomRight() - QPoint(3, 3));
    painter.drawLine(box.topRight() + QPoint(-3, 3), box.bottomLeft() + QPoint(3, -3));
    painter.drawPixmap(Border, Border + bar, contents);
    return image;
}

// Grabs the window and scales it down to the picture's size, noting where each named control
// ends up.
QImage picture(QWidget *window, QSize size, PictureMap *map)
{
    window->show();
    // A window too tall for the picture's proportions is widened, which layouts take well;
    // one too wide would leave its rows stretched if heightened, so it sits on a plain desktop.
    const double ratio = double(size.width()) / size.height();
    const QSize frame(Border * 2, Border * 2 + captionHeight(window));
    const QSize outer = window->size() + frame;
    if (outer.width() < outer.height() * ratio)
        window->resize(qRound(outer.height() * ratio) - frame.width(), window->height());
    QApplication::processEvents();
    // No text cursor in the picture.
    if (QWidget *focus = window->focusWidget())
        focus->clearFocus();

    const QImage framedWindow = framed(window);
    QSize canvasSize = framedWindow.size();
    if (canvasSize.width() < canvasSize.height() * ratio)
        canvasSize.setWidth(qRound(canvasSize.height() * ratio));
    else
        canvasSize.setHeight(qRound(canvasSize.width() / ratio));
    QImage canvas(canvasSize, QImage::Format_RGB32);
    canvas.fill(QColor(58, 110, 165));
    const QPoint at((canvasSize.width() - framedWindow.width()) / 2,
                    (canvasSize.height() - framedWindow.height()) / 2);
    QPainter(&canvas).drawImage(at, framedWindow);

    const double sx = double(size.width()) / canvasSize.width();
    const double sy = double(size.height()) / canvasSize.height();
    const QPoint contentAt = at + QPoint(Border, Border + captionHeight(window));
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            !control->isVisibleTo(window))
            continue;
        const QRectF placed(control->mapTo(window, QPoint()) + contentAt, control->size());
        map->insert(name, QRectF(placed.x() * sx, placed.y() * sy, placed.width() * sx,
                                 placed.height() * sy)
                              .toRect());
    }
    window->hide();
    return canvas.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The about window's picture: a ledger with its ruled lines and entries, a tick across it,
// the program's name and a tally, on the green of a checkbook cover.
QImage emblem(QSize size)
{
    const int scale = 4;
    QImage image(size * scale, QImage::Format_RGB32);
    const double w = image.width();
    const double h = image.height();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cover(0, 0, 0, h);
    cover.setColorAt(0, QColor(34, 96, 62));
    cover.setColorAt(1, QColor(12, 46, 30));
    painter.fillRect(image.rect(), cover);

    const QColor cream(246, 239, 214);
    const QRectF page(w * 0.16, h * 0.12, w * 0.68, h * 0.44);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(page.translated(w * 0.03, w * 0.03), w * 0.03, w * 0.03);
    painter.setBrush(cream);
    painter.drawRoundedRect(page, w * 0.03, w * 0.03);
    const double rule = page.height() / 11;
    for (int i = 1; i <= 10; ++i) {
        const double y = page.top() + i * rule;
        painter.setPen(QPen(QColor(150, 180, 215), w * 0.008));
        painter.drawLine(QPointF(page.left() + w * 0.03, y), QPointF(page.right() - w * 0.03, y));
        if (i > 8)
            continue;
        const double entry = page.width() * (0.22 + 0.05 * ((i * 7) % 5));
        painter.setPen(QPen(QColor(60, 60, 70), w * 0.018, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(page.left() + page.width() * 0.2, y - rule * 0.35),
                         QPointF(page.left() + page.width() * 0.2 + entry, y - rule * 0.35));
        painter.drawLine(QPointF(page.right() - page.width() * 0.22, y - rule * 0.35),
                         QPointF(page.right() - page.width() * 0.08, y - rule * 0.35));
    }
    painter.setPen(QPen(QColor(200, 60, 60), w * 0.01));
    painter.drawLine(QPointF(page.left() + page.width() * 0.14, page.top() + w * 0.02),
                     QPointF(page.left() + page.width() * 0.14, page.bottom() - w * 0.02));

    QPainterPath tick;
    tick.moveTo(w * 0.42, h * 0.47);
    tick.lineTo(w * 0.56, h * 0.58);
    tick.lineTo(w * 0.90, h * 0.36);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(12, 46, 30), w * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(
        QPen(QColor(240, 190, 60), w * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setBold(true);
    name.setPixelSize(int(w * 0.2));
    painter.setFont(name);
    painter.setPen(cream);
    painter.drawText(QRectF(0, h * 0.64, w, h * 0.12), Qt::AlignCenter, QStringLiteral("Tallyra"));

    painter.setPen(QPen(cream, w * 0.03, Qt::SolidLine, Qt::RoundCap));
    const double top = h * 0.81;
    const double bottom = h * 0.92;
    for (int i = 0; i < 4; ++i) {
        const double x = w * (0.33 + 0.1 * i);
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    painter.drawLine(QPointF(w * 0.26, bottom - h * 0.015), QPointF(w * 0.74, top + h * 0.015));
    painter.end();
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void save(const QImage &image, const QDir &out, const QString &file)
{
    if (!image.save(out.filePath(file + QStringLiteral(".png"))))
        qFatal("cannot write %s", qPrintable(file));
}

void saveMap(const PictureMap &map, const QDir &out, const QString &file)
{
    QFile text(out.filePath(file.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".map")));
    if (!text.open(QIODevice::WriteOnly) || text.write(formatPictureMap(map)) < 0)
        qFatal("cannot write the map of %s", qPrintable(file));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    writeSampleRegister();
    RegisterDocument sample;
    if (sample.load() != RegisterDocument::LoadResult::Loaded)
        qFatal("cannot read the sample register");

    // The report window as it opens on an empty register.
    QTemporaryDir emptyFolder;
    RegisterDocument empty(emptyFolder.filePath(QLatin1String(DataFileName)));
    NoQuestions prompter;
    MadeOnClock clock;
    NeverEnds programEnd;
    QTemporaryDir driveFolder;
    Drive drive(driveFolder.path());
    NoPrinter printer;
    NoSettings settings;
    Platform platform{prompter, clock, programEnd, drive, printer, settings};

    struct Picture
    {
        const char *file; // the picture's name in the help resources
        QSize size;
        bool withMap; // only pictures with help lines need their controls' places
        std::function<QWidget *()> window;
    };
    const Picture pictures[] = {
        {"enter.gif",
         {406, 339},
         true,
         [&] {
             auto *document = new RegisterDocument;
             auto *window = new FrmMoney(*document, platform);
             document->setParent(window);
             window->Form_Load();
             return window;
         }},
        {"editing.gif", {250, 190}, true, [&] { return editWindow(sample, platform); }},
        {"backup.gif", {194, 154}, true, [&] { return chooserWindow(platform); }},
        {"printing.gif", {163, 113}, false, [&] { return new FrmPrint(empty, platform); }},
    };
    for (const Picture &entry : pictures) {
        const std::unique_ptr<QWidget> window(entry.window());
        PictureMap map;
        save(picture(window.get(), entry.size, &map), out, QLatin1String(entry.file));
        if (entry.withMap)
            saveMap(map, out, QLatin1String(entry.file));
    }
    save(emblem({100, 200}), out, QStringLiteral("about.jpg"));
    return 0;
}
