#pragma once
#include <QUrl>
#include <QWidget>

class TIntroPage : public QWidget
{
    Q_OBJECT
public:
    explicit TIntroPage(QWidget *parent = nullptr) : QWidget(parent) {}
    void ShowIntro(const QUrl &url) { m_url = url; }

private:
    QUrl m_url;
};
