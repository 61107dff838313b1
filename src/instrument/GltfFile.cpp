#include "instrument/GltfFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <bit>
#include <optional>

#include "devices/ExportDevices.h"
#include "devices/RecordingCanvas.h"
#include "drawing/DrawingUnits.h"
#include "pieces/Pieces.h"

namespace {

static_assert(std::endian::native == std::endian::little, "glTF's buffers are little-endian");

constexpr double kMetresPerMm = 0.001;
constexpr double kCardMm = 0.3;  // how far a glued tab stands off its face
// glTF's numbers for what the accessors hold and the samplers do.
constexpr int kFloat = 5126, kUnsignedShort = 5123, kArrayBuffer = 34962, kIndexBuffer = 34963;
constexpr int kLinear = 9729, kLinearMipmapLinear = 9987, kClampToEdge = 33071;

// The buffer and the views and accessors into it.
class Buffer {
 public:
  int View(const QByteArray& data, int target = 0) {
    while (bytes_.size() % 4) bytes_.append('\0');
    QJsonObject view{{"buffer", 0}, {"byteOffset", bytes_.size()}, {"byteLength", data.size()}};
    if (target) view["target"] = target;
    bytes_.append(data);
    views_.append(view);
    return int(views_.size() - 1);
  }
  template <typename T>
  int Accessor(const std::vector<T>& values, int components, const char* type, int componentType,
               int target, QJsonObject extra = {}) {
    const QByteArray data(reinterpret_cast<const char*>(values.data()),
                          qsizetype(values.size() * sizeof(T)));
    extra["bufferView"] = View(data, target);
    extra["componentType"] = componentType;
    extra["count"] = qsizetype(values.size()) / components;
    extra["type"] = type;
    accessors_.append(extra);
    return int(accessors_.size() - 1);
  }
  const QByteArray& Bytes() const { return bytes_; }
  const QJsonArray& Views() const { return views_; }
  const QJsonArray& Accessors() const { return accessors_; }

 private:
  QByteArray bytes_;
  QJsonArray views_, accessors_;
};

// One side of a piece: every part's polygon, fanned into triangles that turn
// counter-clockwise seen from the side's normal.
struct Side {
  std::vector<float> positions, normals, texture;
  std::vector<quint16> indices;
};

Side SideOf(const PlacedPiece& piece, bool printed) {
  Side side;
  for (std::size_t k = 0; k < piece.parts.size(); ++k) {
    const PlacedPart& part = piece.parts[k];
    const Vector3 out = printed ? part.frame.PrintedSide() : -part.frame.PrintedSide();
    const Vector3 lift = k == 0 ? Vector3{} : part.frame.PrintedSide() * -kCardMm;
    const auto first = quint16(side.positions.size() / 3);
    std::vector<Vector3> corners;
    for (const CutPoint& p : part.outline) {
      const Vector3 at = (part.frame.At(p) + lift) * kMetresPerMm;
      corners.push_back(at);
      side.positions.insert(side.positions.end(), {float(at.x), float(at.y), float(at.z)});
      side.normals.insert(side.normals.end(), {float(out.x), float(out.y), float(out.z)});
      side.texture.insert(side.texture.end(), {float(p.x / DrawingUnits::kScreenWidth),
                                               float(p.y / DrawingUnits::kScreenHeight)});
    }
    for (std::size_t i = 1; i + 1 < corners.size(); ++i) {
      const bool turns = Dot(Cross(corners[i] - corners[0], corners[i + 1] - corners[0]), out) > 0;
      const auto a = quint16(first + i), b = quint16(first + i + 1);
      side.indices.insert(side.indices.end(), {first, turns ? a : b, turns ? b : a});
    }
  }
  return side;
}

QJsonArray Bounds(const std::vector<float>& xyz, bool lowest) {
  QJsonArray bound;
  for (std::size_t axis = 0; axis < 3; ++axis) {
    float v = xyz[axis];
    for (std::size_t i = axis; i < xyz.size(); i += 3)
      v = lowest ? std::min(v, xyz[i]) : std::max(v, xyz[i]);
    bound.append(double(v));
  }
  return bound;
}

QJsonObject Primitive(Buffer& buffer, const Side& side, int material) {
  QJsonObject attributes{
      {"POSITION", buffer.Accessor(side.positions, 3, "VEC3", kFloat, kArrayBuffer,
                                   {{"min", Bounds(side.positions, true)},
                                    {"max", Bounds(side.positions, false)}})},
      {"NORMAL", buffer.Accessor(side.normals, 3, "VEC3", kFloat, kArrayBuffer)}};
  if (!side.texture.empty())
    attributes["TEXCOORD_0"] = buffer.Accessor(side.texture, 2, "VEC2", kFloat, kArrayBuffer);
  return {{"attributes", attributes},
          {"indices", buffer.Accessor(side.indices, 1, "SCALAR", kUnsignedShort, kIndexBuffer)},
          {"material", material}};
}

QJsonObject Material(const QString& name, std::optional<int> texture) {
  QJsonObject pbr{{"metallicFactor", 0}, {"roughnessFactor", 1}};
  if (texture)
    pbr["baseColorTexture"] = QJsonObject{{"index", *texture}};
  else
    pbr["baseColorFactor"] = QJsonArray{0.93, 0.91, 0.86, 1};  // plain card
  return {{"name", name}, {"pbrMetallicRoughness", pbr}};
}

// A glTF binary: its header, the JSON chunk padded with blanks, the buffer
// padded with zeros.
QByteArray Glb(QByteArray json, QByteArray bin) {
  while (json.size() % 4) json.append(' ');
  while (bin.size() % 4) bin.append('\0');
  QByteArray out;
  const auto word = [&](quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
  word(0x46546C67);  // "glTF"
  word(2);
  word(quint32(12 + 8 + json.size() + 8 + bin.size()));
  word(quint32(json.size()));
  word(0x4E4F534A);  // "JSON"
  out.append(json);
  word(quint32(bin.size()));
  word(0x004E4942);  // "BIN"
  out.append(bin);
  return out;
}

}  // namespace

QByteArray GltfModel(const Instrument& instrument, const std::vector<QByteArray>& pictures,
                     bool binary) {
  Buffer buffer;
  QJsonArray nodes, meshes, materials, images, textures, sceneNodes;
  const int card = int(instrument.pieces.size());
  for (std::size_t k = 0; k < instrument.pieces.size(); ++k) {
    const PlacedPiece& piece = instrument.pieces[k];
    const QString name =
        QString::fromUtf8(piece.piece->name.data(), qsizetype(piece.piece->name.size()));
    images.append(QJsonObject{{"bufferView", buffer.View(pictures[k])}, {"mimeType", "image/png"}});
    textures.append(QJsonObject{{"sampler", 0}, {"source", int(k)}});
    materials.append(Material(name, int(k)));
    meshes.append(
        QJsonObject{{"name", name},
                    {"primitives", QJsonArray{Primitive(buffer, SideOf(piece, true), int(k)),
                                              Primitive(buffer, SideOf(piece, false), card)}}});
    nodes.append(QJsonObject{{"name", name}, {"mesh", int(k)}});
    sceneNodes.append(int(k));
  }
  materials.append(Material(QStringLiteral("cartoncino"), std::nullopt));
  QJsonObject gltf{{"asset", QJsonObject{{"version", "2.0"}, {"generator", "Quindal"}}},
                   {"scene", 0},
                   {"scenes", QJsonArray{QJsonObject{{"name", "quindal"}, {"nodes", sceneNodes}}}},
                   {"nodes", nodes},
                   {"meshes", meshes},
                   {"materials", materials},
                   {"images", images},
                   {"textures", textures},
                   {"samplers", QJsonArray{QJsonObject{{"magFilter", kLinear},
                                                       {"minFilter", kLinearMipmapLinear},
                                                       {"wrapS", kClampToEdge},
                                                       {"wrapT", kClampToEdge}}}},
                   {"bufferViews", buffer.Views()},
                   {"accessors", buffer.Accessors()}};
  QJsonObject store{{"byteLength", buffer.Bytes().size()}};
  if (!binary)
    store["uri"] =
        QString::fromLatin1("data:application/octet-stream;base64," + buffer.Bytes().toBase64());
  gltf["buffers"] = QJsonArray{store};
  const QByteArray json = QJsonDocument(gltf).toJson(QJsonDocument::Compact);
  return binary ? Glb(json, buffer.Bytes()) : json;
}

QByteArray InstrumentModelFile(const CheckedProject& project, bool binary) {
  const Instrument instrument = AssembleInstrument(project.parameters);
  std::vector<QByteArray> pictures;
  for (const PlacedPiece& placed : instrument.pieces) {
    RecordingCanvas recorder;
    placed.piece->DrawingFor(project.project.hours).body(recorder, project.parameters);
    pictures.push_back(RenderPng(recorder.Calls()));
  }
  return GltfModel(instrument, pictures, binary);
}
