// Quillan: a Chinese-English dictionary for learners of Chinese. The data lie
// under the current directory (data/, tmp/); see the README.

#include "app/quillan_app.h"

int main(int argc, char** argv) {
    CQuillanApp::enableEmbeddedControls();
    CQuillanApp app(argc, argv);
    app.InitInstance();
    return 0;
}
