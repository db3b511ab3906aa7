#pragma once
// A GL test for the 2D overlays: an 800 x 600 display, WideScreen off unless a test turns it on,
// with the scene viewport set as the GL set-up leaves it. Settings and geometry are restored after.
#include "app/display_geometry.h"
#include "app/settings.h"
#include "support/archive_gl_test.h"

class OverlayGLTest : public ArchiveGLTest {
protected:
    void SetUp() override
    {
        ArchiveGLTest::SetUp();
        savedSettings_ = settings;
        useDisplay(false);
    }
    void TearDown() override
    {
        settings = savedSettings_;
        computeDisplayGeometry(settings.Height, settings.WideScreen);
        ArchiveGLTest::TearDown();
    }
    void useDisplay(bool wideScreen)
    {
        settings.Width = 800;
        settings.Height = 600;
        settings.WideScreen = wideScreen;
        computeDisplayGeometry(600, wideScreen);
        glViewport(0, GLint(letterboxTop), 800, sceneViewportHeight);
    }

private:
    Settings savedSettings_;
};
