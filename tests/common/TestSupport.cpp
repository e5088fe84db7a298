#include "TestSupport.h"

namespace vorlane_test {
namespace {
QString g_root;
}
QString testRoot() { return g_root; }
void setTestRoot(const QString& root) { g_root = root; }
}  // namespace vorlane_test
