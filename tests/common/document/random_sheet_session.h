// A random session of sheet commands for the document's tests: random
// drawings, and commands of every kind (selection, pages, edits, pastes and
// drags under random placement rules) given at a person's pace.
#pragma once

#include "document/sheet_document.h"
#include "fakes/fake_ticks.h"
#include "geometry/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

class TRandomSession {
public:
    TRandomSession(TSheetDocument& document, TFakeTicks& ticks, unsigned seed)
        : FDocument(document), FTicks(ticks), FRandom(seed) {}

    TZvDat Drawing() {
        TZvDat drawing(static_cast<std::size_t>(Int(1, 3)));
        for (TPolygonTbl& page : drawing) {
            const int count = Int(0, 5);
            for (int i = 0; i < count; ++i)
                page.push_back(RandomShape());
        }
        return drawing;
    }

    void Command() {
        FTicks.Time += static_cast<std::uint32_t>(Int(101, 2000));
        switch (Int(0, 11)) {
        case 0:
            FDocument.SelectOnly(ShapeIndex());
            break;
        case 1:
            FDocument.Select(ShapeIndex());
            break;
        case 2:
            FDocument.Unselect(ShapeIndex());
            break;
        case 3:
            FDocument.UnselectAll();
            break;
        case 4:
            FDocument.SelectShapesInBand(Point(), Point());
            break;
        case 5:
            FDocument.ChangePage(Int(0, static_cast<int>(FDocument.Drawing().size()) - 1));
            break;
        case 6:
            FDocument.AddPage();
            break;
        case 7:
            FDocument.DeletePage();
            break;
        case 8:
            FDocument.DeleteCurrentPolygon();
            break;
        case 9:
            FDocument.ChangePolygon(FDocument.CurrentPolygonIndex(), RandomShape());
            break;
        case 10:
            Paste();
            break;
        default:
            Drag(Int(0, 1) == 0);
            break;
        }
    }

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(FRandom); }
    long double Real(long double low, long double high) {
        return std::uniform_real_distribution<long double>(low, high)(FRandom);
    }
    TPointF Point() { return PointF(Real(-10, 180), Real(-10, 270)); }
    int ShapeIndex() {
        const int count = static_cast<int>(FDocument.Drawing()[FDocument.CurPage()].size());
        return Int(-1, count);
    }

    TPolygon RandomShape() {
        const int n = Int(3, 6);
        const TPointF centre = Point();
        const long double radius = Real(2, 30);
        TPolygon shape;
        for (int i = 0; i < n; ++i) {
            const long double angle = 2 * Pi * i / n + Real(-0.2L, 0.2L);
            shape.Apexes.push_back(
                PointF(centre.X + radius * std::cos(angle), centre.Y + radius * std::sin(angle)));
            shape.Flanges.push_back(Int(0, 2) == 0 ? MakeFlange("F", Real(1, 5), Pi / 4, Pi / 3)
                                                   : TFlange());
        }
        if (Int(0, 1) == 0)
            shape.BendLines[0].push_back(MakeBendLine(0, 2));
        return shape;
    }

private:
    TPlacementRules RandomRules() {
        TPlacementRules rules;
        rules.KeepInside = Int(0, 1) == 1;
        rules.AvoidOverlap = Int(0, 1) == 1;
        rules.AutoRotate = Int(0, 1) == 1;
        rules.PageWidth = 170;
        rules.PageHeight = 257;
        return rules;
    }

    // A few steps that follow the pointer, each sometimes refused.
    void Steps(bool move, TPointF downPoint, const TGrip& grip) {
        const TPlacementRules rules = RandomRules();
        const int count = Int(1, 4);
        for (int i = 0; i < count; ++i) {
            const TPointF q = PointF(downPoint.X + Real(-15, 15), downPoint.Y + Real(-15, 15));
            const TDragStepResult step = move
                                             ? FDocument.MoveSelection(downPoint, q, rules, grip)
                                             : FDocument.RotateSelection(downPoint, q, rules, grip);
            downPoint = step.NextDownPoint;
        }
    }

    void Drag(bool move) {
        const TPolygon* current = FDocument.PolygonAt(FDocument.CurrentPolygonIndex());
        if (current == nullptr)
            return;
        const TPointF grab = current->Apexes[0];
        FDocument.BeginDrag();
        Steps(move, grab, GripOf(*current, grab));
        FTicks.Time += static_cast<std::uint32_t>(Int(50, 2000));
        FDocument.EndDrag();
    }

    // The pasted shape follows the pointer until it is dropped.
    void Paste() {
        const TPointF pointer = Point();
        const int index = FDocument.PlaceShape(RandomShape(), pointer, 1);
        ASSERT_GE(index, 0);
        Steps(true, pointer, GripOf(*FDocument.PolygonAt(index), pointer));
        FTicks.Time += static_cast<std::uint32_t>(Int(50, 2000));
        FDocument.EndDrag();
    }

    TSheetDocument& FDocument;
    TFakeTicks& FTicks;
    std::mt19937 FRandom;
};
