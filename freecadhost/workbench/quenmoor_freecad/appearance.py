"""The add-in's nine appearance values on a FreeCAD object's ShapeMaterial.

The values are red, green, blue, ambient, diffuse, specular, shininess, transparency and
emission, each from 0 to 1. They set the object's ShapeMaterial, so the 3D view shows the
change at once: the diffuse colour is the colour scaled by diffuse, the ambient and
emissive colours the colour scaled by ambient and emission, the specular colour a grey of
specular. The values themselves are kept in the hidden property QuenmoorAppearance, so
that they read back as written; when the user has changed the material in FreeCAD since,
they are read from the material instead.
"""

import FreeCAD as App
from quenmoorhost import codes

from quenmoor_freecad.report import HostError
from quenmoor_freecad.report import translate

STORED = "QuenmoorAppearance"


def _material(values):
    red, green, blue, ambient, diffuse, specular, shininess, transparency, emission = values
    material = App.Material()
    material.DiffuseColor = (red * diffuse, green * diffuse, blue * diffuse)
    material.AmbientColor = (red * ambient, green * ambient, blue * ambient)
    material.SpecularColor = (specular, specular, specular)
    material.EmissiveColor = (red * emission, green * emission, blue * emission)
    material.Shininess = shininess
    material.Transparency = transparency
    return material


def _close(first, second):
    return all(abs(a - b) < 1.5 / 255 for a, b in zip(first, second))


def _same(material, other):
    return (
        _close(material.DiffuseColor[:3], other.DiffuseColor[:3])
        and _close(material.AmbientColor[:3], other.AmbientColor[:3])
        and _close(material.SpecularColor[:3], other.SpecularColor[:3])
        and _close(material.EmissiveColor[:3], other.EmissiveColor[:3])
        and abs(material.Shininess - other.Shininess) < 0.01
        and abs(material.Transparency - other.Transparency) < 0.01
    )


def _view_of(obj):
    view = obj.ViewObject
    if view is None or "ShapeMaterial" not in view.PropertiesList:
        raise HostError(translate('"%s" has no shape to show an appearance') % obj.Label)
    return view


def values_of(obj):
    view = _view_of(obj)
    material = view.ShapeMaterial
    if STORED in obj.PropertiesList and len(getattr(obj, STORED)) == codes.MATERIAL_VALUE_COUNT:
        stored = list(getattr(obj, STORED))
        if _same(_material(stored), material):
            return stored
    # The colour is the diffuse colour at full strength; each factor is its colour's strength.
    diffuse = max(material.DiffuseColor[:3])
    red, green, blue = (c / diffuse if diffuse > 0 else 0.0 for c in material.DiffuseColor[:3])
    return [
        red,
        green,
        blue,
        max(material.AmbientColor[:3]),
        diffuse,
        max(material.SpecularColor[:3]),
        material.Shininess,
        material.Transparency,
        max(material.EmissiveColor[:3]),
    ]


def apply(obj, values):
    values = [float(value) for value in values]
    if len(values) != codes.MATERIAL_VALUE_COUNT:
        raise HostError(
            translate('"%s": an appearance takes %d values, not %d')
            % (obj.Label, codes.MATERIAL_VALUE_COUNT, len(values))
        )
    view = _view_of(obj)
    if "OverrideMaterial" in view.PropertiesList:
        view.OverrideMaterial = True  # a link shows its own material, not its part's
    view.ShapeMaterial = _material(values)
    if "Transparency" in view.PropertiesList:
        view.Transparency = int(round(values[7] * 100))
    if STORED not in obj.PropertiesList:
        obj.addProperty("App::PropertyFloatList", STORED, "Quenmoor", "Appearance values")
        obj.setEditorMode(STORED, 2)
    setattr(obj, STORED, values)
