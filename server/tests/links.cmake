# (filled by the area)
