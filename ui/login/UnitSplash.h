#pragma once
#include <QWidget>

// Shown while start-up opens the database and makes the windows.
class TFormSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TFormSplash(QWidget *parent = nullptr);
};
