#include "objects/object_file.h"

#include "core/loading_progress.h"
#include "resources/mesh_geometry.h"
#include "resources/resource_file.h"

void readObjectFile(const char* fileName)
{
    loadGeometry(envGeometry, "meshes\\env.dat");
    loadGeometry(sphereGeometry, "meshes\\sphere.dat");
    ResourceFile file;
    file.open(fileName);
    file.close();
    reportLoadingProgress();
}
