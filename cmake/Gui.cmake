# The window layer is added with the configurator window.
