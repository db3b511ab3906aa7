#include "core/loading_progress.h"

namespace {
LoadingProgressHandler currentHandler = nullptr;
}

void setLoadingProgressHandler(LoadingProgressHandler handler) { currentHandler = handler; }

void reportLoadingProgress()
{
    if (currentHandler)
        currentHandler();
}
