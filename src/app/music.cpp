#include "app/music.h"

#include "app/settings.h"
#include "core/log.h"
#include "platform/audio.h"

ResourceFile musicFile;
uint32_t previousVolume = 100;

void startMusic()
{
    logSection("Initialize audio");
    logWrite("Open audio output ...");
    if (!platform::openAudioOutput()) {
        logWrite("Error: Can't open audio output\n");
        return;
    }
    logDone();
    previousVolume = platform::outputVolume();
    platform::setOutputVolume(settings.Volume);
    musicFile.open("music.ogg");
    // An archive without the music plays nothing; the show goes on.
    platform::playLoopedMusic(musicFile.data(), musicFile.size(), settings.Volume);
}

void stopMusic()
{
    if (!platform::audioOutputOpen())
        return;
    platform::setOutputVolume(previousVolume);
    platform::stopMusic();
    platform::closeAudioOutput();
}
