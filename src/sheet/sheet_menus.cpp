// The sheet window's commands and the menus that hold them.
#include "sheet_menus.h"

#include "named_action.h"

#include "ui_text.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

TSheetMenus::TSheetMenus(QMainWindow& window) {
    createActions(window);
    createMenus(window);
}

void TSheetMenus::createActions(QMainWindow& window) {
    QMainWindow* const w = &window;
    New1 = NamedAction(w, "New1", UiText("TSheetMenus", "新規作成(&N)"));
    Open1 = NamedAction(w, "Open1", UiText("TSheetMenus", "開く(&O)..."));
    MeshImportMi =
        NamedAction(w, "MeshImportMi", UiText("TSheetMenus", "3Dモデルの読み込み(&I)..."),
                    Qt::CTRL | Qt::Key_I);
    Save1 = NamedAction(w, "Save1", UiText("TSheetMenus", "上書き保存(&S)..."));
    SaveAs1 = NamedAction(w, "SaveAs1", UiText("TSheetMenus", "名前を付けて保存(&A)..."));
    ExportMi = NamedAction(w, "ExportMi", UiText("TSheetMenus", "エクスポート..."));
    PrintFontSetMi = NamedAction(w, "PrintFontSetMi", UiText("TSheetMenus", "印字フォント設定..."));
    PrintSetMi = NamedAction(w, "PrintSetMi", UiText("TSheetMenus", "印刷設定..."));
    PrintCalibrationMi =
        NamedAction(w, "PrintCalibrationMi", UiText("TSheetMenus", "印刷の校正..."));
    Print1 = NamedAction(w, "Print1", UiText("TSheetMenus", "現在のページを印刷..."));
    PrintPreviewMi = NamedAction(w, "PrintPreviewMi", UiText("TSheetMenus", "印刷プレビュー..."),
                                 Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    PrintAll = NamedAction(w, "PrintAll", UiText("TSheetMenus", "全てのページを印刷..."));
    Exit1 = NamedAction(w, "Exit1", UiText("TSheetMenus", "終了(&X)"));
    // An item joins the File menu once its entry exists.
    for (int tag = 1; tag <= TRecentFiles::MaxCount; ++tag) {
        QAction* item = new QAction(w);
        item->setObjectName(QStringLiteral("RecentFileItem%1").arg(tag));
        item->setData(tag);
        RecentFileItems[tag - 1] = item;
    }

    Undo1 =
        NamedAction(w, "Undo1", UiText("TSheetMenus", "元に戻す(&U)"), Qt::ALT | Qt::Key_Backspace);
    Repeat1 = NamedAction(w, "Repeat1", UiText("TSheetMenus", "やり直し"),
                          Qt::SHIFT | Qt::ALT | Qt::Key_Backspace);
    AddNewPageMi = NamedAction(w, "AddNewPageMi", UiText("TSheetMenus", "ページ追加"),
                               Qt::CTRL | Qt::ALT | Qt::Key_P);
    DelPageMi = NamedAction(w, "DelPageMi", UiText("TSheetMenus", "ページ削除"));
    MkNewPolygonMi =
        NamedAction(w, "MkNewPolygonMi", UiText("TSheetMenus", "図形データの新規作成(&N)..."),
                    Qt::CTRL | Qt::Key_N);
    PolygonEditMi = NamedAction(w, "PolygonEditMi", UiText("TSheetMenus", "図形データ修正(&E)..."),
                                Qt::CTRL | Qt::Key_E);
    PolygonCutMi =
        NamedAction(w, "PolygonCutMi", UiText("TSheetMenus", "切り取り(&X)"), Qt::CTRL | Qt::Key_X);
    PolygonCopyMi =
        NamedAction(w, "PolygonCopyMi", UiText("TSheetMenus", "コピー(&C)"), Qt::CTRL | Qt::Key_C);
    PolygonPasteMi = NamedAction(w, "PolygonPasteMi", UiText("TSheetMenus", "貼り付け(&V)"),
                                 Qt::CTRL | Qt::Key_V);
    PolygonDeleteMi = NamedAction(w, "PolygonDeleteMi", UiText("TSheetMenus", "削除(&D)"),
                                  Qt::CTRL | Qt::Key_Delete);
    Z1 = NamedAction(w, "Z1", UiText("TSheetMenus", "ズーム(&Z)..."), Qt::CTRL | Qt::Key_Z);
    FlangeCheckMi = NamedAction(w, "FlangeCheckMi", UiText("TSheetMenus", "糊代の検査..."),
                                Qt::CTRL | Qt::Key_G);
    JoinMi = NamedAction(w, "JoinMi", UiText("TSheetMenus", "辺の接合(&J)"), Qt::CTRL | Qt::Key_J);
    JoinMi->setCheckable(true);
    UnjoinMi = NamedAction(w, "UnjoinMi", UiText("TSheetMenus", "接合の解除"));
    MoveTabMi = NamedAction(w, "MoveTabMi", UiText("TSheetMenus", "糊代を相手側へ移動"));
    LayoutMi = NamedAction(w, "LayoutMi", UiText("TSheetMenus", "自動配置(&O)..."),
                           Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    ClickDragMi = NamedAction(w, "ClickDragMi", UiText("TSheetMenus", "クリックでドラッグ開始(&H)"),
                              Qt::CTRL | Qt::Key_H);
    WallChkMi = NamedAction(w, "WallChkMi",
                            UiText("TSheetMenus", "移動時・描画領域外に出ないように制御する(&W)"),
                            Qt::CTRL | Qt::Key_W);
    PorigonCrossChkMi = NamedAction(w, "PorigonCrossChkMi",
                                    UiText("TSheetMenus", "移動時・図形の重なりを回避する(&L)"),
                                    Qt::CTRL | Qt::Key_L);
    AutoRotateMi =
        NamedAction(w, "AutoRotateMi", UiText("TSheetMenus", "移動時・衝突したら回転(&M)"),
                    Qt::CTRL | Qt::Key_M);
    AllMi = NamedAction(w, "AllMi", UiText("TSheetMenus", "移動時制御・一括(&A)"),
                        Qt::CTRL | Qt::Key_A);
    // The drag options start unchecked at every start and are not saved.
    for (QAction* option : {ClickDragMi, WallChkMi, PorigonCrossChkMi, AutoRotateMi, AllMi})
        option->setCheckable(true);

    // A language is offered under its own name, the same in both languages.
    EnglishMi = NamedAction(w, "EnglishMi", QStringLiteral("English"));
    EnglishMi->setCheckable(true);

    About1 = NamedAction(w, "About1", UiText("TSheetMenus", "バージョン情報(&A)..."));
}

void TSheetMenus::createMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    File1 = bar->addMenu(UiText("TSheetMenus", "ファイル(&F)..."));
    File1->setObjectName(QStringLiteral("File1"));
    File1->addActions({New1, Open1, MeshImportMi, Save1, SaveAs1, ExportMi});
    File1->addSeparator();
    File1->addActions(
        {PrintFontSetMi, PrintSetMi, PrintCalibrationMi, Print1, PrintPreviewMi, PrintAll});
    File1->addSeparator();
    File1->addAction(Exit1);
    File1->addSeparator(); // N6: the recent-file items follow it

    EditMi1 = bar->addMenu(UiText("TSheetMenus", "編集(&E)"));
    EditMi1->setObjectName(QStringLiteral("EditMi1"));
    EditMi1->addActions({Undo1, Repeat1});
    EditMi1->addSeparator();
    EditMi1->addActions({AddNewPageMi, DelPageMi, MkNewPolygonMi});
    EditMi1->addSeparator();
    EditMi1->addActions(
        {PolygonEditMi, PolygonCutMi, PolygonCopyMi, PolygonPasteMi, PolygonDeleteMi});
    EditMi1->addSeparator();
    EditMi1->addActions({Z1, FlangeCheckMi, JoinMi, UnjoinMi, MoveTabMi, LayoutMi});
    EditMi1->addSeparator();
    EditMi1->addActions({ClickDragMi, WallChkMi, PorigonCrossChkMi, AutoRotateMi, AllMi});

    ViewMi = bar->addMenu(UiText("TSheetMenus", "表示(&V)"));
    ViewMi->setObjectName(QStringLiteral("ViewMi"));
    ViewMi->addAction(EnglishMi);

    bar->addAction(About1);
}

void TSheetMenus::ShowRecentFiles(const TRecentFiles& files) {
    for (; RecentFileItemsShown < files.Count(); ++RecentFileItemsShown)
        File1->addAction(RecentFileItems[RecentFileItemsShown]);
    for (int i = 0; i < files.Count(); ++i)
        RecentFileItems[i]->setText(RecentFileCaption(i + 1, files.At(i)));
}
