// Today's placement rules and searches as they stand: every collision check
// rebuilds the candidate's outline and every other shape's, and the drag step
// of the sheet document that runs them for each selected shape.
#pragma once

#include "document/sheet_document.h"
#include "geometry/polygon.h"
#include "placement/placement.h"

namespace baseline {

bool WallHit(const TPolygon& shape, long double pageWidth, long double pageHeight,
             TPointF& contact);
bool CollisionCheck(const TPolygonTbl& page, int index, const TPolygon& candidate,
                    const TPlacementRules& rules, TPointF& contact);
bool RotateSearch(const TPolygonTbl& page, int index, const TPointF& downPoint, const TPointF& q,
                  long double angle, const TPlacementRules& rules, TPolygon& candidate);
bool RotateOnSearch(const TPolygonTbl& page, int index, const TPointF& centre, long double angle,
                    const TPlacementRules& rules, TPolygon& candidate);
TStepResult TryMoveStep(const TPolygonTbl& page, int index, const TPointF& downPoint,
                        const TPointF& q, const TPlacementRules& rules, TPolygon& candidate);
TStepResult TryRotateStep(const TPolygonTbl& page, int index, const TPointF& centre,
                          long double angle, const TPlacementRules& rules, TPolygon& candidate);
TDaInt ShapesInRubberBand(const TPolygonTbl& page, const TPointF& corner1, const TPointF& corner2,
                          const TDaInt& selection);

// The document's move and rotation steps of the selection over page.
TDragStepResult MoveSelection(TPolygonTbl& page, const TDaInt& selection, const TPointF& downPoint,
                              const TPointF& q, const TPlacementRules& rules, const TGrip& grip);
TDragStepResult RotateSelection(TPolygonTbl& page, const TDaInt& selection,
                                const TPointF& downPoint, const TPointF& q,
                                const TPlacementRules& rules, const TGrip& grip);

// The rubber band's mouse-up: every shape the band meets is selected one by
// one, each selection retaking the copies of the whole selection.
void SelectShapesInBand(TSheetDocument& document, const TPointF& corner1, const TPointF& corner2);

} // namespace baseline
