#include "ui/practice/texttospeechspeaker.h"

#include <QTextToSpeech>

TextToSpeechSpeaker::TextToSpeechSpeaker(QObject *owner)
{
    // No engine at all (the plug-in package not installed) leaves m_speech empty.
    if (!QTextToSpeech::availableEngines().isEmpty())
        m_speech = new QTextToSpeech(owner);
    if (!m_speech)
        return;
    QObject::connect(m_speech, &QTextToSpeech::stateChanged, m_speech,
                     [this](QTextToSpeech::State state) {
                         if (state == QTextToSpeech::Error) {
                             if (onFailure)
                                 onFailure();
                         } else if (state == QTextToSpeech::Ready && m_spoke) {
                             m_spoke = false;
                             if (onFinished)
                                 onFinished();
                         }
                     });
}

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    if (m_speech) {
        QObject::disconnect(m_speech, nullptr, nullptr, nullptr);
        m_speech->stop();
        delete m_speech;
    }
}

bool TextToSpeechSpeaker::ready() const
{
    return m_speech && m_speech->state() != QTextToSpeech::Error;
}

bool TextToSpeechSpeaker::speaking() const
{
    return m_speech && m_speech->state() == QTextToSpeech::Speaking;
}

void TextToSpeechSpeaker::say(const QString &text)
{
    if (!ready())
        return;
    m_spoke = true;
    m_speech->say(text);
}

void TextToSpeechSpeaker::stop()
{
    m_spoke = false;
    if (m_speech)
        m_speech->stop();
}
