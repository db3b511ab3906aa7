#pragma once
// A real OpenGL context without a display (OSMesa), current for the fixture's lifetime.
#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <vector>

class OffscreenGL {
public:
    OffscreenGL(int width, int height);
    ~OffscreenGL();
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    bool ok() const { return ok_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // RGBA bytes of the pixel at (x, y), y counted from the bottom row.
    const unsigned char* pixel(int x, int y) const { return &buffer_[(size_t(y) * width_ + x) * 4]; }
    static void* procAddress(const char* name);

private:
    int width_;
    int height_;
    std::vector<unsigned char> buffer_;
    OSMesaContext context_ = nullptr;
    bool ok_ = false;
};

// A test fixture with an 800 x 600 context.
class GLTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl_.ok()) << "no OSMesa context"; }
    OffscreenGL gl_{800, 600};
};
