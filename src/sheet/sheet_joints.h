// The joint commands of the sheet: the join mode, in which the user clicks a
// side and then its partner, pair after pair, and unjoining or moving the tab
// of a joint by a click on one of its sides, from the Edit menu or from the
// menu a right click on a side opens. While a command waits for a click it
// takes the mouse and shows the joined sides, the side chosen first and the
// side under the pointer.
#pragma once

#include "document/joints.h"
#include "geometry/polygon.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

class IPrompt;
class IShapeEditor;
class QAction;
class QMenu;
class QMouseEvent;
class QPainter;
class QShortcut;
class QWidget;
class TPageView;
class TSheetDocument;

// The command that waits for a click on a side.
enum class TJointCommand : std::uint8_t { None, Join, Unjoin, MoveTab };

class TSheetJoints : public QObject {
    Q_OBJECT

public:
    // editor gives the flange a joint's first side gets; without one the
    // editor's first-run defaults are used. Esc in window leaves a command.
    TSheetJoints(TSheetDocument& document, TPageView& view, IPrompt& prompt, QWidget& window,
                 const IShapeEditor* editor);

    TJointCommand Command() const { return FCommand; }
    // True while a command waits for a click: the mouse is the command's.
    bool TakesMouse() const { return FCommand != TJointCommand::None; }
    // The side of the join chosen first, until its partner is clicked.
    const std::optional<TSideRef>& FirstSide() const { return FFirst; }
    // What the status line says about the command: what to click next, or
    // what the last click did.
    const QString& HintText() const { return FHint; }

    // Whether the drawing has what the command acts on: a shape to join, a
    // joint to unjoin or to move the tab of.
    bool CanStart(TJointCommand command) const;
    // The join mode stays on, pair after pair, until Leave.
    void StartJoin();
    // Unjoining and moving a tab take one click on a joined side.
    void StartUnjoin();
    void StartMoveTab();
    // Leaves the command; a side chosen first is given up.
    void Leave();

    // The mouse on the page. While a command waits, a left click takes a
    // side and a right click leaves the command; otherwise a right click on
    // a side opens the side's menu. False when the press was not taken.
    bool MouseDown(const QMouseEvent& event);
    void MouseMove(const QMouseEvent& event);

    // The menu a right click on a side opens, with its commands for that side.
    QMenu* SideMenu() const { return FSideMenu; }
    // The side the menu was opened on.
    const TSideRef& MenuSide() const { return FMenuSide; }

signals:
    // The status line's hint changed (HintText).
    void HintChanged();
    // A command started or was left: the Edit menu's join item shows it.
    void CommandChanged(TJointCommand command);

private:
    void createSideMenu(QWidget& window);
    void Start(TJointCommand command, const QString& hint);
    void SetHint(const QString& hint);
    std::optional<TSideRef> SideAt(const QMouseEvent& event) const;
    void OpenSideMenu(const TSideRef& side, const QMouseEvent& event);

    void ClickSide(const TSideRef& side);
    void ChooseForJoin(const TSideRef& side);
    bool ConfirmJoin(const TSideRef& first, const TSideRef& second);
    void Join(const TSideRef& first, const TSideRef& second);
    void Unjoin(const TSideRef& side);
    void MoveTab(const TSideRef& side);
    // The side chosen first still stands where it was chosen.
    bool FirstStillThere() const;
    TFlange TabFor(const TSideRef& side) const;

    void PaintSides(QPainter& painter);
    QRect SideArea(const TSideRef& side) const;
    void RepaintSide(const std::optional<TSideRef>& side);

    TSheetDocument& Document;
    TPageView& View;
    IPrompt& Prompt;
    const IShapeEditor* const Editor;

    TJointCommand FCommand = TJointCommand::None;
    std::optional<TSideRef> FFirst;
    TSegmentF FFirstEnds; // where the first side lay when it was chosen
    std::optional<TSideRef> FHover;
    QString FHint;

    QShortcut* LeaveKey = nullptr;
    QMenu* FSideMenu = nullptr;
    QAction* JoinFromSideMi = nullptr;
    QAction* UnjoinSideMi = nullptr;
    QAction* MoveTabSideMi = nullptr;
    TSideRef FMenuSide;
    std::optional<TSideRef> FMenuShown; // while the side menu is open
};
