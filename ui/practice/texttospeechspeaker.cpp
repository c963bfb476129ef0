#include "ui/practice/texttospeechspeaker.h"

#include <QApplication>
#include <QTextToSpeech>

TextToSpeechSpeaker::TextToSpeechSpeaker(QObject *owner)
    : m_owner(owner)
    // No engine at all (the plug-in package not installed): never ready.
    , m_engineInstalled(!QTextToSpeech::availableEngines().isEmpty())
{
}

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    if (m_speech) {
        QObject::disconnect(m_speech, nullptr, nullptr, nullptr);
        m_speech->stop();
        delete m_speech;
    }
}

// Made on the first thing to say, not with the window: connecting to speech-dispatcher
// starts it when it is not running, which held every paper's opening for a second and a half.
void TextToSpeechSpeaker::makeVoice()
{
    m_speech = new QTextToSpeech(m_owner);
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

bool TextToSpeechSpeaker::ready() const
{
    return m_engineInstalled && (!m_speech || m_speech->state() != QTextToSpeech::Error);
}

bool TextToSpeechSpeaker::speaking() const
{
    return m_speech && m_speech->state() == QTextToSpeech::Speaking;
}

void TextToSpeechSpeaker::say(const QString &text)
{
    if (!ready())
        return;
    if (!m_speech) {
        // Connecting starts speech-dispatcher when it is not running, which holds the
        // program for a second and a half: the wait cursor shows the press was taken.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        makeVoice();
        QApplication::restoreOverrideCursor();
        if (!ready()) {
            if (onFailure)
                onFailure();
            return;
        }
    }
    m_spoke = true;
    m_speech->say(text);
}

void TextToSpeechSpeaker::stop()
{
    m_spoke = false;
    if (m_speech)
        m_speech->stop();
}
