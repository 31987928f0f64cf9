#pragma once

#include <QString>

#include <memory>

namespace Quillon {

// The workstation's text-to-speech voice.
class TVoice
{
public:
    virtual ~TVoice() = default;
    // Returns at once; texts handed over one after another are spoken in that order.
    virtual void Speak(const QString& text) = 0;
};

class TVoiceFactory
{
public:
    virtual ~TVoiceFactory() = default;
    // A voice ready to speak, never null; throws Quillon::Error saying why when none can be made.
    virtual std::unique_ptr<TVoice> Create() = 0;
};

} // namespace Quillon
