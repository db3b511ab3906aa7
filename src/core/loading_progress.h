#pragma once
// The object-file reader reports each object it has read; the main window redraws the loading
// picture in answer. Until a handler is set, reports do nothing.

using LoadingProgressHandler = void (*)();

void setLoadingProgressHandler(LoadingProgressHandler handler);
void reportLoadingProgress();
