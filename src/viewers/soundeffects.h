#pragma once

class ErrorReporter;
class IMediaDevice;
class MediaFiles;
struct MediaRoots;

// Plays the sound effects of the panel through the main window's media control: one sound at a time, a new
// one closing the one before.
class SoundEffects {
public:
    SoundEffects(IMediaDevice& device, const MediaFiles& files, const MediaRoots& roots,
                 ErrorReporter& reporter);

    // PlaySoundEffect: true when the sound plays. A missing or unplayable file reports the sound-effect code
    // and leaves the device closed.
    bool play(int index);
    // Stop: closes whatever is open; harmless when nothing is.
    void stop();

private:
    bool fail();

    IMediaDevice& m_device;
    const MediaFiles& m_files;
    const MediaRoots& m_roots;
    ErrorReporter& m_reporter;
};
