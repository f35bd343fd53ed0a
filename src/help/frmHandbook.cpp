// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmHandbook.h"

#include "platform/Controls.h"
#include "platform/Language.h"
#include "platform/WindowSize.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tallyra {

namespace {

// A page's title is its <title>, so that each language names its own pages.
QString titleOf(const QString &page)
{
    QFile file(QLatin1Char(':') + QUrl(FrmHandbook::pageFolder() + page).path());
    if (!file.open(QIODevice::ReadOnly))
        return page;
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    const QRegularExpressionMatch found = title.match(QString::fromUtf8(file.readAll()));
    return found.hasMatch() ? found.captured(1).trimmed() : page;
}

} // namespace

const QStringList &FrmHandbook::pageNames()
{
    static const QStringList names{
        QStringLiteral("index.html"),     QStringLiteral("import.html"),
        QStringLiteral("reconcile.html"), QStringLiteral("recurring.html"),
        QStringLiteral("chart.html"),     QStringLiteral("undo.html"),
        QStringLiteral("carry.html"),     QStringLiteral("backup.html"),
        QStringLiteral("export.html"),    QStringLiteral("find.html"),
        QStringLiteral("lock.html"),      QStringLiteral("printing.html"),
        QStringLiteral("keyboard.html"),
    };
    return names;
}

QString FrmHandbook::pageFolder()
{
    const QString language =
        translationLanguage() == u"es" ? QStringLiteral("es") : QStringLiteral("en");
    return QStringLiteral("qrc:/handbook/%1/").arg(language);
}

FrmHandbook *FrmHandbook::open(QWidget *owner)
{
    auto *window = owner->findChild<FrmHandbook *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new FrmHandbook(owner);
        window->show();
        return window;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

FrmHandbook::FrmHandbook(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmHandbook"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Tallyra Handbook"));

    lstContents = named(new QListWidget, "lstContents");
    lstContents->setAccessibleName(tr("Contents"));
    for (const QString &page : pageNames())
        lstContents->addItem(titleOf(page));
    txtPage = named(new QTextBrowser, "txtPage");
    txtPage->setAccessibleName(tr("Handbook page"));
    txtPage->setOpenExternalLinks(false);
    cmdBack = named(new QPushButton(tr("&Back")), "cmdBack");
    cmdForward = named(new QPushButton(tr("&Forward")), "cmdForward");
    cmdHome = named(new QPushButton(tr("&Home")), "cmdHome");
    cmdClose = named(new QPushButton(tr("Cl&ose")), "cmdClose");
    cmdBack->setToolTip(tr("The page shown before this one"));
    cmdForward->setToolTip(tr("The page shown after this one"));
    cmdHome->setToolTip(tr("The list of the handbook's pages"));
    cmdClose->setToolTip(tr("Close the handbook"));

    connect(cmdBack, &QPushButton::clicked, txtPage, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtPage, &QTextBrowser::forward);
    connect(cmdHome, &QPushButton::clicked, txtPage, &QTextBrowser::home);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtPage, &QTextBrowser::backwardAvailable, cmdBack, &QWidget::setEnabled);
    connect(txtPage, &QTextBrowser::forwardAvailable, cmdForward, &QWidget::setEnabled);
    connect(txtPage, &QTextBrowser::sourceChanged, this, &FrmHandbook::pageShown);
    connect(lstContents, &QListWidget::currentRowChanged, this, &FrmHandbook::showPage);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto *contents = new QWidget;
    auto *side = new QVBoxLayout(contents);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(caption("lblContents", tr("&Contents:"), lstContents));
    side->addWidget(lstContents);
    auto *splitter = new QSplitter;
    splitter->setObjectName(QStringLiteral("splContents"));
    splitter->addWidget(contents);
    splitter->addWidget(txtPage);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdBack, cmdForward, cmdHome})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *whole = new QVBoxLayout(this);
    whole->addWidget(splitter, 1);
    whole->addLayout(buttons);
    setTabChain({lstContents, txtPage, cmdBack, cmdForward, cmdHome, cmdClose});

    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    txtPage->setSource(QUrl(pageFolder() + pageNames().constFirst()));
    splitter->setSizes({200, 600});
    sizeToScreen(this, {860, 640});
    txtPage->setFocus();
}

void FrmHandbook::showPage(int row)
{
    if (row >= 0 && row < pageNames().size())
        txtPage->setSource(QUrl(pageFolder() + pageNames().at(row)));
}

void FrmHandbook::pageShown(const QUrl &url)
{
    const int row = pageNames().indexOf(url.fileName());
    if (row == lstContents->currentRow())
        return;
    const QSignalBlocker quiet(lstContents);
    lstContents->setCurrentRow(row);
}

} // namespace tallyra
