// Building the shape editor's menu and its enabling rule.
#include "mk_polygon_menu.h"

#include "named_action.h"

#include "ui_text.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

TMkPolygonMenu::TMkPolygonMenu(QMainWindow& window) {
    QMainWindow* const w = &window;
    New1 = NamedAction(w, "New1", QStringLiteral("&New"));
    Undo1 = NamedAction(w, "Undo1", UiText("TMkPolygonMenu", "元に戻す(&U)"),
                        Qt::ALT | Qt::Key_Backspace);
    Repeat1 = NamedAction(w, "Repeat1", UiText("TMkPolygonMenu", "やり直し"),
                          Qt::SHIFT | Qt::ALT | Qt::Key_Backspace);
    FixSegLenMi = NamedAction(w, "FixSegLenMi", UiText("TMkPolygonMenu", "辺の長さ固定(&F)"),
                              Qt::CTRL | Qt::Key_F);
    ApexInsertMi = NamedAction(w, "ApexInsertMi", UiText("TMkPolygonMenu", "頂点増設(&I)"),
                               Qt::CTRL | Qt::Key_I);
    ApexDelMi =
        NamedAction(w, "ApexDelMi", UiText("TMkPolygonMenu", "頂点削除(&D)"), Qt::CTRL | Qt::Key_D);
    BendLine1Mi = NamedAction(w, "BendLine1Mi", UiText("TMkPolygonMenu", "折り線設定-1(&J)"),
                              Qt::CTRL | Qt::Key_J);
    BendLine2Mi = NamedAction(w, "BendLine2Mi", UiText("TMkPolygonMenu", "折り線設定-2(&K)"),
                              Qt::CTRL | Qt::Key_K);
    NSetPp =
        NamedAction(w, "NSetPp", UiText("TMkPolygonMenu", "座標設定(&P)..."), Qt::CTRL | Qt::Key_P);
    NSetPa =
        NamedAction(w, "NSetPa", UiText("TMkPolygonMenu", "内角設定(&A)..."), Qt::CTRL | Qt::Key_A);
    NSetLl = NamedAction(w, "NSetLl", UiText("TMkPolygonMenu", "辺の長さ設定(L)..."),
                         Qt::CTRL | Qt::Key_L);
    NSetLa = NamedAction(w, "NSetLa", UiText("TMkPolygonMenu", "辺の傾き設定(&B)..."),
                         Qt::CTRL | Qt::Key_B);
    FlangeMi =
        NamedAction(w, "FlangeMi", UiText("TMkPolygonMenu", "糊代(&G)..."), Qt::CTRL | Qt::Key_G);
    PolygonResizeMi = NamedAction(w, "PolygonResizeMi", UiText("TMkPolygonMenu", "拡大縮小(&S)..."),
                                  Qt::CTRL | Qt::Key_S);
    ReverseMi =
        NamedAction(w, "ReverseMi", UiText("TMkPolygonMenu", "反転(&R)"), Qt::CTRL | Qt::Key_R);
    RegularPolygonMi =
        NamedAction(w, "RegularPolygonMi", UiText("TMkPolygonMenu", "正多角形(&O)..."));
    Z1 = NamedAction(w, "Z1", UiText("TMkPolygonMenu", "ズーム(&Z)..."), Qt::CTRL | Qt::Key_Z);
    PInfoMi = NamedAction(w, "PInfoMi", UiText("TMkPolygonMenu", "図形情報モニタ(&M)..."),
                          Qt::CTRL | Qt::Key_M);
    DecimalsMi = NamedAction(w, "DecimalsMi", UiText("TMkPolygonMenu", "表示桁数(&W)..."));
    OrgPolygonMi = NamedAction(w, "OrgPolygonMi", UiText("TMkPolygonMenu", "最初の状態に戻す(&Y)"));
    Exit1 = NamedAction(w, "Exit1", UiText("TMkPolygonMenu", "終了(&X)"), Qt::CTRL | Qt::Key_X);
    // Both start unchecked; the side-length switch keeps its state between runs.
    FixSegLenMi->setCheckable(true);
    PInfoMi->setCheckable(true);

    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->addAction(New1);
    NSet = bar->addMenu(UiText("TMkPolygonMenu", "編集(&E)"));
    NSet->setObjectName(QStringLiteral("NSet"));
    const auto separator = [this](const char* name) {
        NSet->addSeparator()->setObjectName(QLatin1String(name));
    };
    NSet->addActions({Undo1, Repeat1});
    separator("N4");
    NSet->addAction(FixSegLenMi);
    separator("N3");
    NSet->addActions({ApexInsertMi, ApexDelMi});
    separator("N6");
    NSet->addActions({BendLine1Mi, BendLine2Mi});
    separator("N5");
    NSet->addActions(
        {NSetPp, NSetPa, NSetLl, NSetLa, FlangeMi, PolygonResizeMi, ReverseMi, RegularPolygonMi});
    separator("N1");
    NSet->addActions({Z1, PInfoMi, DecimalsMi});
    separator("N2");
    NSet->addActions({OrgPolygonMi, Exit1});
}

void TMkPolygonMenu::Enable(const TSelFlags& flags, int apexCount, bool hasOriginal) {
    ApexInsertMi->setEnabled(flags.IsSide());
    ApexDelMi->setEnabled(flags.OneApex);
    BendLine1Mi->setEnabled(flags.IsDiagonal());
    BendLine2Mi->setEnabled(flags.IsDiagonal());
    NSetPp->setEnabled(flags.OneApex);
    NSetPa->setEnabled(flags.OneApex || flags.IsSide());
    NSetLl->setEnabled(flags.TwoApex);
    NSetLa->setEnabled(flags.TwoApex);
    FlangeMi->setEnabled(flags.IsSide() || (flags.NoApex && apexCount > 2));
    ReverseMi->setEnabled(flags.IsSide());
    OrgPolygonMi->setEnabled(hasOriginal);
}
