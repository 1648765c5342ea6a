// Free joint marks handed out in turn.
#include "document/free_joint_marks.h"

#include "document/joints.h"

#include <algorithm>

TFreeJointMarks::TFreeJointMarks(const TZvDat& drawing) {
    for (const TPolygonTbl& page : drawing)
        for (const TPolygon& shape : page)
            for (const TFlange& flange : shape.Flanges)
                if (const std::optional<std::uint64_t> number = NumberOfName(flange.Name))
                    FTaken.push_back(*number);
    std::sort(FTaken.begin(), FTaken.end());
    FTaken.erase(std::unique(FTaken.begin(), FTaken.end()), FTaken.end());
}

std::string TFreeJointMarks::Next() {
    while (FPassed < FTaken.size() && FTaken[FPassed] <= FNext) {
        if (FTaken[FPassed] == FNext)
            ++FNext;
        ++FPassed;
    }
    return std::to_string(FNext++);
}
