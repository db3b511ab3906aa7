// placeholder until the SDL backend lands
