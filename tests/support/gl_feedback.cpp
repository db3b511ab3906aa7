#include "support/gl_feedback.h"

#include <algorithm>

namespace {

constexpr int cornerFloats = 11;

void setUpTransforms()
{
    glViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-4, 4, -3, 3, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void setUpFrontLight()
{
    const GLfloat black[4] = {0, 0, 0, 1};
    const GLfloat white[4] = {1, 1, 1, 1};
    const GLfloat towardViewer[4] = {0, 0, 1, 0};
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glLightfv(GL_LIGHT0, GL_POSITION, towardViewer);
    glLightfv(GL_LIGHT0, GL_AMBIENT, black);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
}

std::vector<FeedbackPolygon> parse(const std::vector<GLfloat>& buffer, GLint used)
{
    std::vector<FeedbackPolygon> polygons;
    for (GLint i = 0; i < used;) {
        if (GLint(buffer[i]) != GL_POLYGON_TOKEN || i + 1 >= used)
            break;
        GLint count = GLint(buffer[i + 1]);
        i += 2;
        FeedbackPolygon polygon;
        for (GLint k = 0; k < count && i + cornerFloats <= used; ++k, i += cornerFloats) {
            const GLfloat* f = &buffer[i];
            polygon.push_back({f[0], f[1], f[2], {f[3], f[4], f[5], f[6]}, {f[7], f[8], f[9], f[10]}});
        }
        polygons.push_back(polygon);
    }
    return polygons;
}

}  // namespace

std::vector<FeedbackPolygon> captureFeedback(const std::function<void()>& draw, FeedbackOptions options)
{
    std::vector<GLfloat> buffer(1 << 20);  // room for a whole demo sphere
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    if (!options.keepTransforms)
        setUpTransforms();
    if (options.litFromFront)
        setUpFrontLight();
    if (options.cullBackFaces) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
    }
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    GLint used = glRenderMode(GL_RENDER);
    glPopAttrib();
    return parse(buffer, used);
}

FeedbackBox boxAround(const std::vector<FeedbackPolygon>& polygons)
{
    FeedbackBox box{1e9f, 1e9f, -1e9f, -1e9f, {0, 0, 0, 0}};
    bool first = true;
    for (const FeedbackPolygon& polygon : polygons)
        for (const FeedbackCorner& corner : polygon) {
            if (first)
                std::copy(corner.colour, corner.colour + 4, box.colour);
            first = false;
            box.left = std::min(box.left, corner.x);
            box.right = std::max(box.right, corner.x);
            box.bottom = std::min(box.bottom, corner.y);
            box.top = std::max(box.top, corner.y);
        }
    return box;
}
