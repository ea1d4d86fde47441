#pragma once
// CAboutDlg: the small About box with the application icon, the name and
// version, the publisher's notice and OK. It has no behaviour beyond closing.

#include <QDialog>

class QIcon;

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(const QIcon& icon, QWidget* parent = nullptr);
};
