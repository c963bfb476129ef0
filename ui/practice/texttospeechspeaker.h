#pragma once
// ReadAloudSpeaker through Qt's text to speech (speech-dispatcher on Debian).

#include "ui/practice/readaloudspeaker.h"

class QObject;
class QTextToSpeech;

class TextToSpeechSpeaker : public ReadAloudSpeaker
{
public:
    explicit TextToSpeechSpeaker(QObject *owner);
    ~TextToSpeechSpeaker() override;

    bool ready() const override;
    bool speaking() const override;
    void say(const QString &text) override;
    void stop() override;

private:
    void makeVoice();

    QObject *m_owner = nullptr;
    bool m_engineInstalled = false;
    QTextToSpeech *m_speech = nullptr;
    bool m_spoke = false;
};
