-- Many small objects: getter/setter methods, methods calling setters, new
-- instances returned from methods (metatables standing in for classes).
local Account = {}
Account.__index = Account

function Account.new()
  local self = setmetatable({}, Account)
  self.mBalance = 0
  self.mChanges = 0
  return self
end

function Account:getBalance()
  return self.mBalance
end

function Account:setBalance(v)
  self.mBalance = v
  self.mChanges = self.mChanges + 1
end

function Account:getChanges()
  return self.mChanges
end

function Account:deposit(v)
  self:setBalance(self.mBalance + v)
end

function Account:withdraw(v)
  if v <= self.mBalance then
    self:setBalance(self.mBalance - v)
    return true
  else
    return false
  end
end

local Point = {}
Point.__index = Point

function Point.new()
  return setmetatable({}, Point)
end

function Point:getX() return self.mX end
function Point:setX(v) self.mX = v end
function Point:getY() return self.mY end
function Point:setY(v) self.mY = v end

function Point:plus(p)
  local r = Point.new()
  r:setX(self.mX + p:getX())
  r:setY(self.mY + p:getY())
  return r
end

function Point:dist1(p)
  return math.abs(self.mX - p:getX()) + math.abs(self.mY - p:getY())
end

local accounts = {}
for i = 0, 999 do
  accounts[i] = Account.new()
  accounts[i].Id = i
  accounts[i]:deposit(100)
end
local refused = 0
for i = 1, 900000 do
  local a = accounts[i % 1000]
  local b = accounts[(i * 7) % 1000]
  if a:withdraw(i % 150) then
    b:deposit(i % 150)
  else
    refused = refused + 1
  end
end
local total, changes = 0, 0
for i = 0, 999 do
  total = total + accounts[i]:getBalance()
  changes = changes + accounts[i]:getChanges()
end
local p = Point.new()
p:setX(0); p:setY(0)
local step = Point.new()
local walk = 0
for i = 1, 300000 do
  step:setX((i % 7) - 2)
  step:setY((i % 5) - 2)
  local q = p:plus(step)
  walk = walk + q:dist1(p)
  p = q
end
print("total " .. total .. " changes " .. changes .. " refused " .. refused)
print("point " .. p:getX() .. "," .. p:getY() .. " walk " .. walk)
