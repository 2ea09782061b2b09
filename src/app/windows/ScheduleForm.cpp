#include "windows/ScheduleForm.h"

#include "windows/ScreenCentre.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tiplark {
namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

TScheduleForm::TScheduleForm(const Language& language, const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_scheduleList(new QListWidget(this))
    , m_closeButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("TScheduleForm"));
    const QString title = qt(language.text("title.prefix") + language.text("schedule.title"));
    setWindowTitle(title);
    resize(625, 408);

    m_scheduleList->setObjectName(QStringLiteral("ScheduleLB"));
    m_scheduleList->setAccessibleName(title);
    m_scheduleList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_scheduleList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_scheduleList->setUniformItemSizes(true);
    for (const std::string& line : lines)
        m_scheduleList->addItem(qt(line));
    if (m_scheduleList->count() > 0)
        m_scheduleList->setCurrentRow(0);
    // Wide enough for the longest line (another tournament's names its venues).
    const QFontMetrics metrics(m_scheduleList->font());
    int longest = 0;
    for (const std::string& line : lines)
        longest = std::max(longest, metrics.horizontalAdvance(qt(line)));
    resize(std::max(width(), longest + 80), height());

    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setText(qt(language.text("schedule.close")));
    m_closeButton->setAccessibleName(QString(m_closeButton->text()).remove(QLatin1Char('&')));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &TScheduleForm::CloseButtonClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(m_scheduleList);
    layout->addLayout(buttons);

    m_scheduleList->setFocus();
}

void TScheduleForm::showEvent(QShowEvent* event)
{
    fitOnScreen(this);
    QDialog::showEvent(event);
}

void TScheduleForm::CloseButtonClick()
{
    close();
}

}  // namespace tiplark
