// Placeholder: replaced by the SDL2_mixer sound library.
