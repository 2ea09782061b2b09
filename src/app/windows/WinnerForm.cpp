#include "windows/WinnerForm.h"

#include "document/MainBoard.h"
#include "engine/KnownTeams.h"
#include "engine/TournamentFolders.h"
#include "i18n/LanguageTables.h"
#include "services/FlagPictures.h"
#include "windows/ScreenCentre.h"

#include <QAudioDevice>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaDevices>
#include <QMouseEvent>
#include <QPalette>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace tiplark {
namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int pixelSize, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLabel* makePicture(QWidget* parent, const char* name, const QPixmap& picture, QSize size, const QString& accessibleName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFixedSize(size);
    label->setScaledContents(true);
    label->setPixmap(picture);
    label->setAccessibleName(accessibleName);
    return label;
}

}  // namespace

TWinnerForm::TWinnerForm(QWidget* parent, const Celebration& celebration, const AssetLocator& assets,
                         bool soundOutput, const QString& trophyName, const QPixmap& flag, const QString& flagName)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("WinnerForm"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setFocusPolicy(Qt::StrongFocus);

    const QString caption = QString::fromStdString(celebration.caption);
    setWindowTitle(caption);
    setAccessibleName(caption);

    QLabel* yeeha = makeLabel(this, "YeehaLbl", QStringLiteral("YYYEEEAAAHH!!!"), 21, QColor(0x1b, 0x5e, 0x20));
    QLabel* boo = makeLabel(this, "BooLbl", QStringLiteral("BOOOOOOOO!!!"), 24, QColor(0x42, 0x42, 0x42));
    QLabel* congratulations = makeLabel(this, "CongratulationsLbl",
                                        QString::fromStdString(celebration.congratulations), 18, Qt::black);
    QLabel* winner = makeLabel(this, "WinnerLbl", QString::fromStdString(celebration.winner), 19, Qt::red);
    // On a screen lower than the designed window the trophies shrink, so that it still fits.
    const QSize designed(celebration.width, celebration.height);
    const qreal shrink = std::min<qreal>(1, static_cast<qreal>(roomOnScreen(this).height()) / designed.height());
    QLabel* favoriteTrophy = makePicture(this, "FavoriteTrophyImage", assets.picture(QStringLiteral("trophy-tall.jpg")),
                                         QSize(209, 500) * shrink, trophyName);
    QLabel* trophy = makePicture(this, "TrophyImage", assets.picture(QStringLiteral("trophy-small.jpg")),
                                 QSize(60, 143) * shrink, trophyName);
    // The small trophy swallows its clicks: it is the one place that does not close the window.
    trophy->setAttribute(Qt::WA_NoMousePropagation);

    yeeha->setVisible(celebration.cheering);
    favoriteTrophy->setVisible(celebration.cheering);
    boo->setVisible(!celebration.cheering);
    trophy->setVisible(!celebration.cheering);

    // Cheering: the tall trophy on the left, the shout and the champion
    // beside it. Booing: the shout, the small trophy, then the champion.
    auto* texts = new QVBoxLayout;
    texts->addWidget(boo);
    texts->addSpacing(celebration.cheering ? 50 : 30);
    texts->addWidget(trophy, 0, Qt::AlignHCenter);
    texts->addWidget(yeeha);
    texts->addStretch();
    texts->addWidget(congratulations);
    texts->addSpacing(12);
    if (flag.isNull()) {
        texts->addWidget(winner);
    } else {
        auto* flagLabel = new QLabel(this);
        flagLabel->setObjectName(QStringLiteral("FlagImage"));
        flagLabel->setPixmap(flag);
        flagLabel->setAccessibleName(flagName);
        auto* champion = new QHBoxLayout;
        champion->addWidget(flagLabel);
        champion->addSpacing(10);
        champion->addWidget(winner);
        champion->addStretch();
        texts->addLayout(champion);
    }
    texts->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 16, 16, 16);
    layout->addWidget(favoriteTrophy, 0, Qt::AlignTop);
    layout->addSpacing(10);
    layout->addLayout(texts, 1);
    // The designed size, or wider for a long champion's name.
    setMinimumSize((designed * shrink).expandedTo(minimumSizeHint()));
    setMaximumSize(minimumSize());

    auto* favPlayer = new QSoundEffect(this);
    favPlayer->setObjectName(QStringLiteral("FavMediaPlayer"));
    auto* nonFavPlayer = new QSoundEffect(this);
    nonFavPlayer->setObjectName(QStringLiteral("NonFavMediaPlayer"));
    const QString sound = assets.find(QLatin1String(celebration.soundFile));
    if (soundOutput && !sound.isEmpty()) {
        m_activePlayer = celebration.cheering ? favPlayer : nonFavPlayer;
        m_activePlayer->setSource(QUrl::fromLocalFile(sound));
    }
    fitOnScreen(this);
}

void TWinnerForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_activePlayer)
        m_activePlayer->play();
}

void TWinnerForm::done(int result)
{
    if (m_activePlayer)
        m_activePlayer->stop();
    QDialog::done(result);
}

void TWinnerForm::FormClick()
{
    accept();
}

void TWinnerForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FormClick();
}

void TWinnerForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        FormClick();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void showCelebrationWindow(QWidget* parent, const MainBoard& main)
{
    const std::string& champion = main.board().text("Champion");
    if (!isChampionDecided(champion))
        return;
    const Language& language = main.language();
    const Celebration celebration =
        ChampionClick(champion, language.favoriteName(), language.text("champion.congratulations"));
    const Tournament& tournament = main.tournament();
    const TournamentPlay& play = main.rules().play();
    const int team = knownTeams(tournament, play.prediction(), play.outcome()).champion;
    QPixmap flag;
    QString flagName;
    if (tournament.id != DefaultTournamentId && team != NoTeam) {
        flag = FlagPictures().pixmap(QString::fromStdString(tournament.teams[static_cast<size_t>(team)].code),
                                     QSize(96, 64), parent ? parent->devicePixelRatioF() : 1.0);
        flagName = QString::fromStdString(fillIn(language.text("champion.flag"), champion));
    }
    TWinnerForm form(parent, celebration, AssetLocator(), !QMediaDevices::audioOutputs().isEmpty(),
                     QString::fromStdString(language.text("champion.trophy")), flag, flagName);
    form.exec();
}

}  // namespace tiplark
