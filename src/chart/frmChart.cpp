// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/frmChart.h"

#include "chart/ChartPicture.h"
#include "chart/ChartView.h"
#include "chart/MonthTable.h"
#include "platform/Contrast.h"
#include "platform/Controls.h"
#include "register/DateText.h"
#include "register/RegisterDocument.h"
#include "report/DateFieldControls.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace tallyra {

namespace {

bool sameFields(const DateFields &a, const DateFields &b)
{
    return a.startMonth == b.startMonth && a.startDay == b.startDay && a.startYear == b.startYear &&
           a.endMonth == b.endMonth && a.endDay == b.endDay && a.endYear == b.endYear;
}

} // namespace

FrmChart::FrmChart(const RegisterDocument &document, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_document(document), m_book(document.book()),
      m_platform(platform)
{
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(tr("Balance Chart"));
    buildControls();
    for (QComboBox *field :
         {txtStartMonth, txtStartDay, txtStartYear, txtEndMonth, txtEndDay, txtEndYear})
        connect(field, &QComboBox::editTextChanged, this, &FrmChart::dateField_Change);
    connect(picChart, &ChartView::selectedDayChanged, this, &FrmChart::picChart_SelectionChange);
    connect(cmdSavePicture, &QPushButton::clicked, this, &FrmChart::cmdSavePicture_Click);
    connect(cmdCopyTable, &QPushButton::clicked, this, &FrmChart::cmdCopyTable_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    m_registerRange = registerDateRange(m_book, m_platform.clock.today());
    showFields(m_registerRange);
    dateField_Change();
    connect(&document, &RegisterDocument::registerChanged, this, &FrmChart::refresh);
}

QString FrmChart::pointHint()
{
    return tr("Point at the chart, or use the arrow keys on it, to see a date's entries.");
}

void FrmChart::buildControls()
{
    buildDateRange(txtStartMonth, txtStartDay, txtStartYear, txtEndMonth, txtEndDay, txtEndYear,
                   Label1, Label2);
    lblRange = named(new QLabel, "lblRange");
    setTextColour(lblRange, true);

    picChart = named(new ChartView, "picChart");
    picChart->setAccessibleName(tr("Balance chart"));
    lblPoint = named(new QLabel(pointHint()), "lblPoint");
    lblPoint->setWordWrap(true);
    lblPoint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for a date with a few entries, so that the window does not jump as the pointer moves.
    lblPoint->setMinimumHeight(lblPoint->fontMetrics().lineSpacing() * 4);
    lblPoint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_months = new MonthTable(this);
    grdMonths = named(new QTableView, "grdMonths");
    grdMonths->setModel(m_months);
    grdMonths->setAccessibleName(tr("Month by month"));
    grdMonths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdMonths->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdMonths->setAlternatingRowColors(true);
    grdMonths->setTabKeyNavigation(false);
    grdMonths->verticalHeader()->hide();
    // Every figure and heading whole ("Balance at Month's End" is the widest); the month's
    // name takes what room is left.
    grdMonths->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdMonths->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdMonths->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContentsOnFirstShow);
    colourMonths();
    grdMonths->installEventFilter(this);

    cmdSavePicture = button("cmdSavePicture", tr("Save &Picture..."),
                            tr("Save the chart as a PNG picture or a PDF document"));
    cmdCopyTable = button("cmdCopyTable", tr("&Copy Table"), tr("Copy the month table as text"));
    cmdClose = button("cmdClose", tr("Cl&ose"), tr("Close this window"));

    auto *range = new QHBoxLayout;
    const auto addDate = [this, range](QWidget *heading, QWidget *month, QWidget *day,
                                       QWidget *year) {
        for (QWidget *control : {heading, month, day, year})
            range->addWidget(control);
        range->addSpacing(fontMetrics().averageCharWidth() * 3);
    };
    addDate(Label1, txtStartMonth, txtStartDay, txtStartYear);
    addDate(Label2, txtEndMonth, txtEndDay, txtEndYear);
    range->addWidget(lblRange, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSavePicture);
    buttons->addWidget(cmdCopyTable);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(picChart, 3);
    layout->addWidget(lblPoint);
    layout->addWidget(grdMonths, 2);
    layout->addLayout(buttons);

    setTabChain({txtStartMonth, txtStartDay, txtStartYear, txtEndMonth, txtEndDay, txtEndYear,
                 picChart, grdMonths, cmdSavePicture, cmdCopyTable, cmdClose});
    txtStartMonth->setFocus();
}

// The latest months are in sight once the table has its height.
// A negative balance in a red that reads on either stripe of the table.
void FrmChart::colourMonths()
{
    const QPalette colours = grdMonths->palette();
    m_months->setNegativeColours(readableRed(colours.color(QPalette::Base)),
                                 readableRed(colours.color(QPalette::AlternateBase)));
}

// The table's own change of colours: the window's comes before the table has taken them.
bool FrmChart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grdMonths && event->type() == QEvent::PaletteChange)
        colourMonths();
    return QWidget::eventFilter(watched, event);
}

void FrmChart::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    grdMonths->scrollToBottom();
}

void FrmChart::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

DateFields FrmChart::typedFields() const
{
    return {txtStartMonth->currentText(), txtStartDay->currentText(), txtStartYear->currentText(),
            txtEndMonth->currentText(),   txtEndDay->currentText(),   txtEndYear->currentText()};
}

void FrmChart::showFields(const DateFields &fields)
{
    const std::array<std::pair<QComboBox *, QString>, 6> texts = {{
        {txtStartMonth, fields.startMonth},
        {txtStartDay, fields.startDay},
        {txtStartYear, fields.startYear},
        {txtEndMonth, fields.endMonth},
        {txtEndDay, fields.endDay},
        {txtEndYear, fields.endYear},
    }};
    for (const auto &[field, text] : texts) {
        const QSignalBlocker quiet(field);
        field->setEditText(text);
    }
}

void FrmChart::refresh()
{
    const bool followRegister = sameFields(typedFields(), m_registerRange);
    m_registerRange = registerDateRange(m_book, m_platform.clock.today());
    if (followRegister)
        showFields(m_registerRange);
    dateField_Change();
}

// The range is checked as the report window checks it, but while it is being typed a wrong
// range is only pointed out: the chart keeps the last good one.
void FrmChart::dateField_Change()
{
    const std::optional<ReportRange> range = checkDateRange(typedFields());
    if (!range) {
        lblRange->setText(tr("Invalid date entry"));
        return;
    }
    lblRange->clear();
    BalanceHistory history = balanceHistory(m_book, range->startKey, range->endKey);
    m_months->setMonths(history.months);
    const QDate today = m_platform.clock.today();
    std::optional<Projection> ahead =
        chartAhead(m_book, m_document.companion().schedules, range->startKey, range->endKey, today);
    // The chart's solid line ends on today, where the dashed one goes on; the table keeps every
    // month of the range.
    if (ahead)
        history = balanceHistory(m_book, range->startKey, dateKey(today));
    picChart->setHistory(std::move(history), std::move(ahead));
    grdMonths->scrollToBottom();
}

void FrmChart::picChart_SelectionChange(int day)
{
    const QString text =
        day < 0 ? pointHint() : dayDetails(m_book, picChart->history().days[size_t(day)]);
    lblPoint->setText(text);
    picChart->setAccessibleDescription(text);
}

void FrmChart::cmdSavePicture_Click()
{
    const std::optional<SaveTarget> target =
        askSaveTarget(m_platform.prompter, this, tr("Save Picture"),
                      defaultPictureName(m_platform.clock.today()), PictureTypes);
    if (!target)
        return;
    const QString shown = QDir::toNativeSeparators(target->path);
    if (const std::optional<QString> failed =
            saveChartPicture(*picChart, PictureFormat(target->type), target->path)) {
        m_platform.prompter.message(
            this, QMessageBox::Critical, tr("SAVE FAILED"),
            //: %1 is the file, %2 why it could not be written.
            tr("The chart could not be saved as %1: %2").arg(shown, *failed));
        return;
    }
    m_platform.prompter.message(this, QMessageBox::Information, tr("Picture Saved"),
                                tr("The chart was saved as %1").arg(shown));
}

void FrmChart::cmdCopyTable_Click()
{
    QGuiApplication::clipboard()->setText(monthTableText(m_months->months()));
}

} // namespace tallyra
