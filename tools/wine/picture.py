"""Pictures for the Wine tests' screen checks: any format ImageMagick's
convert reads, as 8-bit RGB."""
import subprocess


class Picture:
    """options: convert's options applied after reading, e.g. a crop."""

    def __init__(self, path, *options):
        data = subprocess.run(["convert", path, *options, "-depth", "8", "ppm:-"],
                              check=True, capture_output=True).stdout
        # P6\n<w> <h>\n255\n<rgb...>: the header has three fields after P6.
        fields, end = [], 2
        while len(fields) < 3:
            while data[end:end + 1].isspace():
                end += 1
            start = end
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(int(data[start:end]))
        self.width, self.height = fields[0], fields[1]
        self.rgb = data[end + 1:end + 1 + self.width * self.height * 3]

    def at(self, index):
        return tuple(self.rgb[index * 3:index * 3 + 3])

    def size(self):
        return self.width, self.height
