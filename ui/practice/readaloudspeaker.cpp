#include "ui/practice/readaloudspeaker.h"

#include "ui/practice/texttospeechspeaker.h"

namespace {

ReadAloudSpeaker::Factory &current()
{
    static ReadAloudSpeaker::Factory made = [](QObject *owner) {
        return std::unique_ptr<ReadAloudSpeaker>(new TextToSpeechSpeaker(owner));
    };
    return made;
}

} // namespace

ReadAloudSpeaker::Factory ReadAloudSpeaker::factory()
{
    return current();
}

void ReadAloudSpeaker::setFactory(Factory factory)
{
    current() = std::move(factory);
}
