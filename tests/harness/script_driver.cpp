#include "harness/script_driver.h"

ScriptDriver& ScriptDriver::instance()
{
    static ScriptDriver driver;
    return driver;
}

namespace {
const PlatformDriver script_table = {
    ScriptDriver::get_ticks,    ScriptDriver::delay,       ScriptDriver::poll_event,
    ScriptDriver::flip,         ScriptDriver::update_rect, ScriptDriver::play_channel,
    ScriptDriver::play_music,   ScriptDriver::pause_music, ScriptDriver::resume_music,
    Mix_Pause,                  Mix_Resume,                Mix_HaltChannel,
};
}  // namespace

void ScriptDriver::install() { set_platform_driver(&script_table); }
void ScriptDriver::uninstall() { set_platform_driver(nullptr); }

void ScriptDriver::reset()
{
    *this = ScriptDriver();
}

SDL_Event make_key_event(Uint8 type, SDLKey key)
{
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}

void ScriptDriver::push(const SDL_Event& event, Uint32 at_ticks, int after_polls)
{
    script_.push_back({event, at_ticks, after_polls});
}

void ScriptDriver::key_down(SDLKey key, int after_polls) { push(make_key_event(SDL_KEYDOWN, key), 0, after_polls); }
void ScriptDriver::key_up(SDLKey key, int after_polls) { push(make_key_event(SDL_KEYUP, key), 0, after_polls); }

void ScriptDriver::tap(SDLKey key, int after_polls)
{
    key_down(key, after_polls);
    key_up(key, 0);
}

void ScriptDriver::key_down_at(SDLKey key, Uint32 at_ticks) { push(make_key_event(SDL_KEYDOWN, key), at_ticks, 0); }
void ScriptDriver::key_up_at(SDLKey key, Uint32 at_ticks) { push(make_key_event(SDL_KEYUP, key), at_ticks, 0); }

int ScriptDriver::count_effect(Mix_Chunk* chunk) const
{
    int n = 0;
    for (const auto& e : effects) n += e.chunk == chunk;
    return n;
}

int ScriptDriver::count_music(MusicCall::Kind kind, Mix_Music* m) const
{
    int n = 0;
    for (const auto& call : music) n += call.kind == kind && (!m || call.music == m);
    return n;
}

Uint32 ScriptDriver::get_ticks() { return instance().now; }

void ScriptDriver::advance(Uint32 ms)
{
    now += ms;
    for (size_t channel = 0; channel < effect_left_ms_.size(); ++channel) {
        Uint32& left = effect_left_ms_[channel];
        const int c = static_cast<int>(channel);
        if (left == 0 || !Mix_Playing(c)) {
            left = 0;
            continue;
        }
        if (Mix_Paused(c)) continue;  // a paused effect keeps its place
        left = left > ms ? left - ms : 0;
        if (left == 0) Mix_HaltChannel(c);
    }
}

void ScriptDriver::delay(Uint32 ms)
{
    auto& d = instance();
    if (d.record_timeline) d.delay_calls.push_back({ms, d.now});
    d.advance(ms);
    ++d.delays;
}

int ScriptDriver::poll_event(SDL_Event* event)
{
    auto& d = instance();
    ++d.polls;
    d.advance(d.poll_cost_ms);
    if (d.polls > d.max_polls) throw StopGame{true};
    if (d.stop_when && d.stop_when()) throw StopGame{};
    if (d.on_poll) d.on_poll();

    if (d.script_.empty()) {
        if (d.stop_when_script_ends && d.polls_since_script_end_++ >= d.grace_polls) throw StopGame{};
        return 0;
    }
    d.polls_since_script_end_ = 0;
    Scripted& head = d.script_.front();
    const bool time_come = static_cast<Sint32>(d.now - head.at_ticks) >= 0;
    if (!time_come || d.polls_since_delivery_ < head.after_polls) {
        ++d.polls_since_delivery_;
        return 0;
    }
    *event = head.event;
    d.script_.pop_front();
    d.polls_since_delivery_ = 0;
    return 1;
}

int ScriptDriver::flip(SDL_Surface* surface)
{
    auto& d = instance();
    ++d.flips;
    if (d.record_timeline) d.presents.push_back({PresentCall::Flip, d.now});
    d.advance(d.flip_cost_ms);
    if (d.on_flip) d.on_flip(surface);
    return 0;
}

void ScriptDriver::update_rect(SDL_Surface* surface, Sint32, Sint32, Uint32, Uint32)
{
    auto& d = instance();
    ++d.updates;
    if (d.record_timeline) d.presents.push_back({PresentCall::UpdateRect, d.now});
    if (d.on_flip) d.on_flip(surface);
}

int ScriptDriver::play_channel(int channel, Mix_Chunk* chunk, int loops, int ticks)
{
    auto& d = instance();
    const int got = Mix_PlayChannelTimed(channel, chunk, loops, ticks);
    d.effects.push_back({chunk, got, d.now});
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (got >= 0 && chunk && loops >= 0 && Mix_QuerySpec(&frequency, &format, &channels)) {
        const Uint32 bytes_per_second = static_cast<Uint32>(frequency * channels * (format & 0xFF) / 8);
        if (d.effect_left_ms_.size() <= static_cast<size_t>(got)) d.effect_left_ms_.resize(got + 1);
        d.effect_left_ms_[got] = static_cast<Uint32>(1000ull * chunk->alen * (loops + 1) / bytes_per_second) + 1;
    }
    return got;
}

int ScriptDriver::play_music(Mix_Music* m, int loops)
{
    auto& d = instance();
    d.music.push_back({MusicCall::Play, m, loops, d.now});
    return Mix_PlayMusic(m, loops);
}

void ScriptDriver::pause_music()
{
    auto& d = instance();
    d.music.push_back({MusicCall::Pause, nullptr, 0, d.now});
    Mix_PauseMusic();
}

void ScriptDriver::resume_music()
{
    auto& d = instance();
    d.music.push_back({MusicCall::Resume, nullptr, 0, d.now});
    Mix_ResumeMusic();
}
