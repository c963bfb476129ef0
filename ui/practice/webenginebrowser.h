#pragma once
// The browser engine on Qt WebEngine: the only code of the program that uses it, built
// as the module quorvel-browser.so. It shows only the page it was sent to (links, other
// schemes and requests to other addresses are refused), hands on the guard script's
// reports of key-down and mouse-down events, and prints the page on show. Each view has
// an off-the-record page of its own; once a view has shown its first page, a spare page
// with its renderer started waits for the next view.

#include "ui/practice/browserengine.h"

class BrowserPage;
class BrowserPageFilter;
class QWebEngineProfile;
class QWebEngineView;

class WebEngineBrowser : public BrowserEngine
{
public:
    WebEngineBrowser(QWidget *parent, const Reports &reports);
    ~WebEngineBrowser() override;

    QWidget *view() const override;
    QWidget *inputWidget() const override;
    void navigate(const QUrl &url) override;
    void print(QPrinter *printer) override;
    void setZoomFactor(qreal factor) override;
    void scrollPage(int pages) override;

private:
    QWebEngineProfile *m_profile = nullptr;
    BrowserPageFilter *m_filter = nullptr;
    BrowserPage *m_page = nullptr;
    QWebEngineView *m_view = nullptr;
    qreal m_zoom = 1.0;
};
