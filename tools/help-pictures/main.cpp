// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the help pictures: Tallyra's own windows, grabbed offscreen and scaled to the size each
// help topic shows them at, with a map of where their controls landed; and the about emblem.
// With --handbook, the handbook's pictures instead: the windows its pages explain, at one
// pixel per pixel, in the language the texts are shown in.
// Run by tools/make-help-pictures.sh, which turns the PNG files written here into GIF and JPEG
// and shrinks the handbook's.

#include "app/frmMoney.h"
#include "backup/frmFileOpen.h"
#include "carryforward/frmCarryForward.h"
#include "chart/frmChart.h"
#include "edit/frmEdit.h"
#include "help/PictureMap.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "reconcile/frmReconcile.h"
#include "recurring/frmDue.h"
#include "recurring/frmRecurring.h"
#include "register/Checkbook.h"
#include "register/Companion.h"
#include "register/DataFile.h"
#include "register/DateText.h"
#include "register/RegisterDocument.h"
#include "report/frmPrint.h"
#include "statement/StatementFile.h"
#include "statement/frmStatement.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// The handbook's pictures fit its page beside the contents list, with room for the scroll bar.
constexpr int HandbookPageWidth = 560;

// Handbook pictures are made on the same day as the help pictures.
const QDate Today = MadeOnClock().today();

QDate monthEnd(QDate date)
{
    return QDate(date.year(), date.month(), 1).addMonths(1).addDays(-1);
}

// February to the middle of May of a household account: the pay twice a month, the rent and
// the phone paid by transfer, cash, and checks to the grocer and the power company.
Checkbook handbookRegister()
{
    const qint32 power[] = {5212, 4817, 4502, 3988};
    const qint32 groceries[] = {8240, 7615, 9133, 6870};
    const qint32 moreGroceries[] = {5520, 6175, 4890, 7302};
    Checkbook book;
    int check = 1001;
    const auto add = [&](int month, int day, const QString &number, const char *payee, qint32 out,
                         qint32 in) {
        if (QDate(2000, month, day) <= Today)
            book.slot[++book.entryCount] = {
                2000, qint16(month), qint16(day), number, QLatin1String(payee), out, in};
    };
    const auto nextCheck = [&] { return QString::number(check++); };
    for (int month = 2; month <= 5; ++month) {
        const int i = month - 2;
        add(month, 1, QStringLiteral("DEP"), "PAYCHECK", 0, 125000);
        add(month, 2, QStringLiteral("TXFR"), "CITY APARTMENTS", 65000, 0);
        add(month, 5, QStringLiteral("ATM"), "CASH", 6000, 0);
        add(month, 8, nextCheck(), "POWER AND LIGHT", power[i], 0);
        add(month, 12, nextCheck(), "CORNER GROCER", groceries[i], 0);
        add(month, 15, QStringLiteral("DEP"), "PAYCHECK", 0, 125000);
        add(month, 16, QStringLiteral("TXFR"), "PHONE COMPANY", 3995, 0);
        if (QDate(2000, month, 22) <= Today)
            add(month, 22, nextCheck(), "CORNER GROCER", moreGroceries[i], 0);
        if (month == 3)
            add(month, 25, nextCheck(), "DR. ALVAREZ DENTAL", 12000, 0);
    }
    computeBalances(book);
    return book;
}

RecurringEntry schedule(const char *number, const char *payee, qint32 cents, bool deposit,
                        DateRule rule, QDate next, bool askFirst)
{
    RecurringEntry entry;
    entry.checkNumber = QLatin1String(number);
    entry.payee = QLatin1String(payee);
    entry.cents = cents;
    entry.deposit = deposit;
    entry.rule = rule;
    entry.next = next;
    entry.askFirst = askFirst;
    return entry;
}

// What is kept beside the handbook's register: the bank's statements of February, March and
// April balanced, less April's last check, which the bank has not paid yet; and the entries
// that come back, two of them due.
Companion handbookCompanion(Checkbook &book)
{
    Companion companion;
    int unpaid = 0;
    for (int i = 1; i <= book.entryCount; ++i)
        if (book.slot[i].month == 4 && book.slot[i].checkNumber.front().isDigit())
            unpaid = i;
    qint64 reconciled = 0;
    for (int month = 2; month <= 4; ++month) {
        const qint32 end = dateKey(monthEnd(QDate(2000, month, 1)));
        for (int i = 1; i <= book.entryCount; ++i) {
            Entry &entry = book.slot[i];
            if (entry.month != month || i == unpaid)
                continue;
            entry.clearing = Clearing::Reconciled;
            entry.reconciledOn = end;
            reconciled += netCents(entry);
        }
        companion.reconciled.append({end, reconciled});
    }

    DateRule twiceAMonth{Frequency::TwiceAMonth, 1, 15};
    DateRule onThe2nd{Frequency::MonthlyOnDay, 2};
    onThe2nd.weekend = WeekendRule::FridayBefore;
    DateRule everySixMonths{Frequency::MonthlyOnDay, 18};
    everySixMonths.months = 6;
    companion.schedules = {
        schedule("DEP", "PAYCHECK", 125000, true, twiceAMonth, {2000, 6, 1}, false),
        schedule("TXFR", "CITY APARTMENTS", 65000, false, onThe2nd, {2000, 6, 2}, false),
        schedule("TXFR", "PHONE COMPANY", 3995, false, {Frequency::MonthlyOnDay, 16}, {2000, 6, 16},
                 true),
        schedule("TXFR", "FITNESS CLUB", 2500, false, {Frequency::MonthlyOnDay, 17}, {2000, 5, 17},
                 true),
        schedule("TXFR", "CAR INSURANCE", 31000, false, everySixMonths, {2000, 5, 18}, true),
    };
    companion.schedules[3].end = {2000, 12, 31};
    companion.schedules[4].remaining = 4;
    return companion;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

template <typename T> T *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s", qPrintable(window->objectName()), name);
    return found;
}

// May's statement as the bank's QIF file gives it: what the register holds up to the 15th,
// and a service charge and interest the register lacks.
QByteArray mayStatement(const Checkbook &book)
{
    struct Line
    {
        QDate date;
        qint64 cents;
        QString number;
        QString payee;
    };
    QList<Line> lines{{{2000, 5, 10}, -500, {}, QStringLiteral("SERVICE CHARGE")},
                      {{2000, 5, 15}, 84, {}, QStringLiteral("INTEREST")}};
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &entry = book.slot[i];
        if (entry.month == 5 && entry.day <= 15)
            lines.append({QDate(entry.year, entry.month, entry.day), netCents(entry),
                          entry.checkNumber, entry.payee});
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line &a, const Line &b) { return a.date < b.date; });
    QByteArray qif = "!Type:Bank\n";
    for (const Line &line : lines) {
        qif += "D" + line.date.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + "\n";
        qif += "T" + QByteArray::number(double(line.cents) / 100, 'f', 2) + "\n";
        if (!line.number.isEmpty())
            qif += "N" + line.number.toLatin1() + "\n";
        qif += "P" + line.payee.toLatin1() + "\n^\n";
    }
    return qif;
}

// The import window over May's statement, its ending balance typed as printed on it.
QWidget *importWindow(RegisterDocument &document, Platform &platform, const QDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("may-2000.qif"));
    writeFile(path, mayStatement(document.book()));
    StatementRead read = readStatement(openStatementFile(path), DateOrder::Undecided);
    if (read.status != StatementRead::Status::Read)
        qFatal("the sample statement does not read: %s", qPrintable(read.error));
    auto *window = new FrmStatement(document, platform, path, std::move(read.statement));
    control<QLineEdit>(window, "txtEndingBalance")
        ->setText(control<QLabel>(window, "lblClearedBalance")->text());
    return window;
}

// The reconcile window on a paper statement ending on the 12th, every entry it shows ticked
// but the grocer's checks, the ending balance typed.
QWidget *reconcileWindow(RegisterDocument &document, Platform &platform)
{
    auto *window = new FrmReconcile(document, platform);
    control<QDateEdit>(window, "dtpEndDate")->setDate({2000, 5, 12});
    for (const char *name : {"lstDeposits", "lstWithdrawals"}) {
        auto *list = control<QTableWidget>(window, name);
        for (int row = 0; row < list->rowCount(); ++row)
            if (list->item(row, 3)->text() != u"CORNER GROCER")
                list->item(row, 0)->setCheckState(Qt::Checked);
        // The ticks show, not the line the list starts on.
        list->setCurrentItem(nullptr);
    }
    control<QLineEdit>(window, "txtEndingBalance")
        ->setText(control<QLabel>(window, "lblClearedBalance")->text());
    return window;
}

QWidget *dueWindow(RegisterDocument &document, Platform &platform)
{
    QList<DueEntry> due = dueEntries(document.companion().schedules, Today);
    if (due.isEmpty())
        qFatal("no recurring entry is due");
    return new FrmDue(document, platform, due);
}

// Carrying forward the entries before April.
QWidget *carryWindow(RegisterDocument &document, Platform &platform)
{
    auto *window = new FrmCarryForward(document, platform);
    control<QComboBox>(window, "txtCarryMonth")->setEditText(QStringLiteral("4"));
    return window;
}

// The window at `size` (or what its layout needs at least; an empty size keeps the size it
// opens at), framed as the desktop shows it, at one pixel per pixel; a window wider than the
// handbook's page is shrunk to fit it.
QImage handbookPicture(QWidget *window, QSize size)
{
    if (!size.isEmpty())
        window->resize(size.expandedTo(window->minimumSizeHint()));
    window->show();
    QApplication::processEvents();
    if (QWidget *focus = window->focusWidget())
        focus->clearFocus();
    if (window->devicePixelRatio() != 1)
        qFatal("the windows are drawn at %g pixels per pixel", window->devicePixelRatioF());
    const QImage image = framed(window);
    window->hide();
    if (image.width() <= HandbookPageWidth)
        return image;
    return image.scaledToWidth(HandbookPageWidth, Qt::SmoothTransformation);
}

// The handbook's pictures, in the language its texts are shown in.
int handbookPictures(const QDir &out, Platform &platform)
{
    QTemporaryDir folder;
    RegisterDocument document(folder.filePath(QLatin1String(DataFileName)));
    Checkbook book = handbookRegister();
    const Companion companion = handbookCompanion(book);
    writeFile(document.path(), formatDataFile(book));
    writeFile(companionPath(document.path()), formatCompanion(book, companion));
    if (document.load() != RegisterDocument::LoadResult::Loaded ||
        !document.companionNotice().isEmpty())
        qFatal("cannot read the handbook's register");

    struct Picture
    {
        const char *file; // the picture's name beside the handbook's pages
        QSize size;
        std::function<QWidget *()> window;
    };
    const Picture pictures[] = {
        {"import", {640, 620}, [&] { return importWindow(document, platform, folder.path()); }},
        {"reconcile", {680, 380}, [&] { return reconcileWindow(document, platform); }},
        {"recurring", {720, 250}, [&] { return new FrmRecurring(document, platform); }},
        {"due", {440, 220}, [&] { return dueWindow(document, platform); }},
        {"chart", {680, 420}, [&] { return new FrmChart(document, platform); }},
        {"carry", {}, [&] { return carryWindow(document, platform); }},
        {"restore", {320, 150}, [&] { return chooserWindow(platform); }},
        {"print", {}, [&] { return new FrmPrint(document, platform); }},
    };
    for (const Picture &entry : pictures) {
        const std::unique_ptr<QWidget> window(entry.window());
        save(handbookPicture(window.get(), entry.size), out, QLatin1String(entry.file));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool handbook = argc == 4 && std::strcmp(argv[1], "--handbook") == 0;
    if (argc != 2 && !handbook) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT-FOLDER\n"
                     "       %s --handbook LANGUAGE OUTPUT-FOLDER\n",
                     argv[0], argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    NoQuestions prompter;
    MadeOnClock clock;
    NeverEnds programEnd;
    QTemporaryDir driveFolder;
    Drive drive(driveFolder.path());
    NoPrinter printer;
    NoSettings settings;
    Platform platform{prompter, clock, programEnd, drive, printer, settings};

    if (handbook) {
        // The language comes from the environment, as the program's does; the one named
        // must be the one it gives, or the pictures would land beside the wrong pages.
        const QString language = QString::fromLocal8Bit(argv[2]);
        if (installTranslations() != language) {
            std::fprintf(stderr, "%s: the texts are not shown in \"%s\"; set LANGUAGE to it\n",
                         argv[0], argv[2]);
            return 1;
        }
        return handbookPictures(out, platform);
    }

    writeSampleRegister();
    RegisterDocument sample;
    if (sample.load() != RegisterDocument::LoadResult::Loaded)
        qFatal("cannot read the sample register");
    // The report window as it opens on an empty register.
    QTemporaryDir emptyFolder;
    RegisterDocument empty(emptyFolder.filePath(QLatin1String(DataFileName)));

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
