#pragma once
// The voice behind "Read aloud". An interface so that a test can hear what would be said
// and play a machine without a working speech engine.

#include <QString>

#include <functional>
#include <memory>

class QObject;

class ReadAloudSpeaker
{
public:
    virtual ~ReadAloudSpeaker() = default;
    // Whether it can speak now (an engine is there and not in its error state).
    virtual bool ready() const = 0;
    virtual bool speaking() const = 0;
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    // Called when the engine goes into its error state, or stops speaking by itself.
    std::function<void()> onFailure;
    std::function<void()> onFinished;

    using Factory = std::function<std::unique_ptr<ReadAloudSpeaker>(QObject *owner)>;
    // The factory windows use; by default Qt's text to speech.
    static Factory factory();
    static void setFactory(Factory factory);
};
