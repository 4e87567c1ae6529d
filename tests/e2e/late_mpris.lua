-- Loads mpv's MPRIS plugin only once mpv has gone idle. The plugin then never hears that mpv is
-- idle, and says Playing with nothing to play, as it does by chance when mpv goes idle first.
local function load()
  mp.unregister_event(load)
  mp.commandv("load-script", "/usr/lib/mpv-mpris/mpris.so")
end
mp.register_event("idle", load)
