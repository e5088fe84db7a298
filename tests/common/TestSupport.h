#pragma once
// Small helpers shared by the test executables.
#include <QString>

namespace vorlane_test {

// The temporary home of this test process (HOME and the XDG folders live in it).
QString testRoot();
void setTestRoot(const QString& root);

}  // namespace vorlane_test
