#pragma once

#include "document/PredictionsFile.h"

namespace tiplark {

inline constexpr const char* Program = "tiplark-report";

enum class ExitStatus { Ok = 0, Failure = 1, Usage = 2 };

// Why a predictions file was not loaded; nullptr when it was.
inline const char* loadFailure(PredictionsLoad result)
{
    switch (result) {
    case PredictionsLoad::Missing:
        return "no such file";
    case PredictionsLoad::Unreadable:
        return "cannot be read";
    case PredictionsLoad::TooLarge:
        return "larger than 8 MB, the limit for a predictions file";
    case PredictionsLoad::FirstRun:
        return "holds no saved predictions (no \"FirstTime=0\")";
    case PredictionsLoad::Loaded:
        break;
    }
    return nullptr;
}

}  // namespace tiplark
