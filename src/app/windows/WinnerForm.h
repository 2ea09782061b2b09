#pragma once

#include "services/AssetLocator.h"
#include "venues/Celebration.h"

#include <QDialog>

class QLabel;
class QPixmap;
class QSoundEffect;

namespace tiplark {

class MainBoard;

// The celebration of the champion: borderless, white, on top; cheers for the
// favourite team and boos any other, with a sound when the system can play
// one. A click anywhere but on the small trophy closes it, so do Escape,
// Enter and Space.
class TWinnerForm : public QDialog {
    Q_OBJECT
public:
    // soundOutput: whether the system has a sound-output device; trophyName:
    // the trophies' accessible name. A flag, where given, stands beside the
    // champion's name under its accessible name.
    TWinnerForm(QWidget* parent, const Celebration& celebration, const AssetLocator& assets, bool soundOutput,
                const QString& trophyName, const QPixmap& flag = {}, const QString& flagName = {});

    // The player that plays this celebration's sound, or nullptr when silent.
    QSoundEffect* activePlayer() const { return m_activePlayer; }

public slots:
    void FormClick();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QSoundEffect* m_activePlayer = nullptr;
};

// ChampionClick: opens the celebration for the team that Champion names and
// waits until it is closed; does nothing while the final is undecided. The
// 2006 board celebrates with its trophies, any other tournament's champion
// also with its flag.
void showCelebrationWindow(QWidget* parent, const MainBoard& main);

}  // namespace tiplark
